// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
        entries.push_back(
            {100 + kind, cell, [kind](int scale) { return SquareIcons::icon(kind, scale); }});
    entries.push_back(
        {105, cell, [](int scale) { return KittenSprite::mask(Pose::Standing, scale); }});
    entries.push_back(
        {106, cell, [](int scale) { return KittenSprite::image(Pose::Standing, scale); }});
    entries.push_back(
        {107, cell, [](int scale) { return KittenSprite::mask(Pose::Walking, scale); }});
    entries.push_back(
        {108, cell, [](int scale) { return KittenSprite::image(Pose::Walking, scale); }});
}

void addSpinnerFaces(std::vector<CatalogueEntry> &entries)
{
    const QSize dial(90, 90);
    for (int digit = 1; digit <= 6; ++digit)
        entries.push_back(
            {109 + digit, dial, [digit](int scale) { return SpinnerFaces::face(digit, scale); }});
    entries.push_back({116, dial, [](int scale) { return SpinnerFaces::whirl(6, 1, scale); }});
    entries.push_back({117, dial, [](int scale) { return SpinnerFaces::whirl(4, -1, scale); }});
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
    entries.push_back(
        {158, QSize(100, 100), [](int scale) { return ButtonPictures::tadpole(false, scale); }});
    entries.push_back(
        {159, QSize(100, 100), [](int scale) { return ButtonPictures::tadpole(true, scale); }});
    entries.push_back(
        {160, QSize(98, 104), [](int scale) { return ButtonPictures::bee(false, scale); }});
    entries.push_back(
        {161, QSize(98, 104), [](int scale) { return ButtonPictures::bee(true, scale); }});
    entries.push_back({163, QSize(98, 116), ButtonPictures::caterpillarWithCap});
    entries.push_back(
        {164, QSize(50, 35), [](int scale) { return ButtonPictures::help(false, scale); }});
    entries.push_back(
        {165, QSize(50, 35), [](int scale) { return ButtonPictures::help(true, scale); }});
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
        entries.push_back({200 + word, wordPictureSize(word),
                           [word](int scale) { return drawWordPicture(word, scale); }});
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
