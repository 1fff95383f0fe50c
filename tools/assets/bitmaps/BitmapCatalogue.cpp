#include "BitmapCatalogue.h"

#include "ButtonPictures.h"
#include "KittenSprite.h"
#include "SpinnerFaces.h"
#include "SquareIcons.h"
#include "StoryScenes.h"
#include "WordPictures.h"

namespace {

using KittenSprite::Pose;

void addBoardPictures(std::vector<CatalogueEntry> &entries)
{
    const QSize cell(40, 40);
    for (int kind = 1; kind <= 4; ++kind)
        entries.push_back({100 + kind, cell, [kind] { return SquareIcons::icon(kind); }});
    entries.push_back({105, cell, [] { return KittenSprite::mask(Pose::Standing); }});
    entries.push_back({106, cell, [] { return KittenSprite::image(Pose::Standing); }});
    entries.push_back({107, cell, [] { return KittenSprite::mask(Pose::Walking); }});
    entries.push_back({108, cell, [] { return KittenSprite::image(Pose::Walking); }});
}

void addSpinnerFaces(std::vector<CatalogueEntry> &entries)
{
    const QSize dial(90, 90);
    for (int digit = 1; digit <= 6; ++digit)
        entries.push_back({109 + digit, dial, [digit] { return SpinnerFaces::face(digit); }});
    entries.push_back({116, dial, [] { return SpinnerFaces::whirl(6, 1); }});
    entries.push_back({117, dial, [] { return SpinnerFaces::whirl(4, -1); }});
}

void addScenes(std::vector<CatalogueEntry> &entries)
{
    const QSize scene(300, 300);
    entries.push_back({121, scene, StoryScenes::rabbitOnMeadow});
    entries.push_back({122, scene, StoryScenes::rabbitUnderLeaf});
    entries.push_back({123, scene, StoryScenes::birdInRain});
    entries.push_back({124, scene, StoryScenes::friendsInSunshine});
    entries.push_back({131, scene, StoryScenes::caterpillarInForest});
    entries.push_back({132, scene, StoryScenes::beeInForest});
}

void addButtons(std::vector<CatalogueEntry> &entries)
{
    entries.push_back({158, QSize(100, 100), [] { return ButtonPictures::tadpole(false); }});
    entries.push_back({159, QSize(100, 100), [] { return ButtonPictures::tadpole(true); }});
    entries.push_back({160, QSize(98, 104), [] { return ButtonPictures::bee(false); }});
    entries.push_back({161, QSize(98, 104), [] { return ButtonPictures::bee(true); }});
    entries.push_back({163, QSize(98, 116), ButtonPictures::caterpillarWithCap});
    entries.push_back({164, QSize(50, 35), [] { return ButtonPictures::help(false); }});
    entries.push_back({165, QSize(50, 35), [] { return ButtonPictures::help(true); }});
}

// Words 5, 9, 21 and 22 (电脑, 钢琴, 扫帚, 沙发) have the larger 90 x 90 picture.
QSize wordPictureSize(int word)
{
    const bool large = word == 5 || word == 9 || word == 21 || word == 22;
    return large ? QSize(90, 90) : QSize(80, 80);
}

void addWordPictures(std::vector<CatalogueEntry> &entries)
{
    for (int word = 0; word < 32; ++word)
        entries.push_back(
            {200 + word, wordPictureSize(word), [word] { return drawWordPicture(word); }});
}

} // namespace

std::vector<CatalogueEntry> bitmapCatalogue()
{
    std::vector<CatalogueEntry> entries;
    addBoardPictures(entries);
    addSpinnerFaces(entries);
    addScenes(entries);
    addButtons(entries);
    addWordPictures(entries);
    return entries;
}
