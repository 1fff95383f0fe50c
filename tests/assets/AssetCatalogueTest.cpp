#include "AssetFiles.h"

#include <gtest/gtest.h>

#include <QSize>

#include <vector>

namespace {

struct ExpectedBitmap {
    int id;
    QSize size;
};
constexpr int Pcm = 1, ImaAdpcm = 0x11;

std::vector<ExpectedBitmap> bitmapCatalogue()
{
    std::vector<ExpectedBitmap> all;
    auto add = [&all](int first, int last, QSize size) {
        for (int id = first; id <= last; ++id)
            all.push_back({id, size});
    };
    add(101, 108, {40, 40}), add(110, 117, {90, 90}), add(121, 124, {300, 300});
    add(131, 132, {300, 300}), add(158, 159, {100, 100}), add(160, 161, {98, 104});
    add(163, 163, {98, 116}), add(164, 165, {50, 35}), add(200, 231, {80, 80});
    for (int large : {205, 209, 221, 222})
        all[all.size() - 232 + large].size = QSize(90, 90);
    return all;
}

// A nominal length in seconds, within 10 % unless a wider tolerance is given.
struct ExpectedSound {
    int id, sampleRate, channels, bits;
    double seconds, tolerance = 0.1;
};

std::vector<ExpectedSound> soundCatalogue()
{
    std::vector<ExpectedSound> all = {
        {101, 22050, 1, 8, 0.49}, {102, 44100, 2, 16, 0.25}, {103, 22050, 1, 8, 3.76},
        {104, 22050, 1, 8, 3.16}, {105, 22050, 1, 8, 0.75},  {106, 22050, 1, 8, 2.5},
        {107, 22050, 1, 8, 3.5},  {111, 22050, 1, 8, 1.7},   {112, 11025, 1, 8, 2.3},
        {113, 22050, 1, 8, 1.75}, {114, 22050, 1, 8, 1.8},   {121, 22050, 1, 8, 12.6},
        {122, 22050, 1, 8, 15.1}, {123, 22050, 1, 8, 14.6},  {124, 22050, 1, 8, 10.6},
        {301, 11025, 1, 8, 14.3}, {302, 11025, 1, 8, 14.5},  {303, 11025, 1, 8, 10.5},
        {304, 11025, 1, 8, 11.3}, {305, 11025, 1, 8, 14.1},  {900, 22050, 2, 4, 0.05},
    };
    for (int id = 201; id <= 232; ++id)
        all.push_back({id, 22050, 1, 8, 1.03, 0.34});
    return all;
}

TEST(AssetCatalogue, everyBitmapIsAnUncompressed24BitBitmapOfItsSize)
{
    for (const ExpectedBitmap &expected : bitmapCatalogue()) {
        SCOPED_TRACE(expected.id);
        const auto info = readBitmapInfo(resourcePath(QStringLiteral("bitmaps/%1.bmp").arg(expected.id)));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->width, expected.size.width());
        EXPECT_EQ(info->height, expected.size.height());
        EXPECT_EQ(info->bitsPerPixel, 24);
        EXPECT_EQ(info->compression, 0);
    }
}

TEST(AssetCatalogue, everySoundHasItsFormatAndLength)
{
    for (const ExpectedSound &expected : soundCatalogue()) {
        SCOPED_TRACE(expected.id);
        const auto info = readWaveInfo(resourcePath(QStringLiteral("sounds/%1.wav").arg(expected.id)));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->formatTag, expected.bits == 4 ? ImaAdpcm : Pcm);
        EXPECT_EQ(info->sampleRate, expected.sampleRate);
        EXPECT_EQ(info->channels, expected.channels);
        EXPECT_EQ(info->bitsPerSample, expected.bits);
        EXPECT_NEAR(info->seconds, expected.seconds, expected.seconds * expected.tolerance);
    }
}

TEST(AssetCatalogue, theStepSoundBesideTheProgramIsAShortWave)
{
    const auto info = readWaveInfo(resourcePath(QStringLiteral("wav/step.wav")));
    ASSERT_TRUE(info.has_value());
    EXPECT_GT(info->seconds, 0.05);
    EXPECT_LT(info->seconds, 1.0);
}

} // namespace
