#include "AssetFiles.h"

#include <gtest/gtest.h>

#include <QSize>

#include <vector>

namespace {

struct ExpectedBitmap {
    int id;
    QSize size;
};

std::vector<ExpectedBitmap> bitmapCatalogue()
{
    std::vector<ExpectedBitmap> all;
    auto add = [&all](int first, int last, QSize size) {
        for (int id = first; id <= last; ++id)
            all.push_back({id, size});
    };
    add(101, 108, {40, 40});
    add(110, 117, {90, 90});
    add(121, 124, {300, 300});
    add(131, 132, {300, 300});
    add(158, 159, {100, 100});
    add(160, 161, {98, 104});
    add(163, 163, {98, 116});
    add(164, 165, {50, 35});
    for (int id = 200; id <= 231; ++id) {
        const bool large = id == 205 || id == 209 || id == 221 || id == 222;
        all.push_back({id, large ? QSize(90, 90) : QSize(80, 80)});
    }
    return all;
}

struct ExpectedSound {
    int id;
    int sampleRate;
    int channels;
    int bits;
    double shortest;
    double longest;
};

constexpr int Pcm = 1;
constexpr int ImaAdpcm = 0x11;

// A nominal length within 10 %.
ExpectedSound around(int id, int rate, int channels, int bits, double seconds)
{
    return {id, rate, channels, bits, seconds * 0.9, seconds * 1.1};
}

std::vector<ExpectedSound> soundCatalogue()
{
    std::vector<ExpectedSound> all = {
        around(101, 22050, 1, 8, 0.49),  around(102, 44100, 2, 16, 0.25),
        around(103, 22050, 1, 8, 3.76),  around(104, 22050, 1, 8, 3.16),
        around(105, 22050, 1, 8, 0.75),  around(106, 22050, 1, 8, 2.5),
        around(107, 22050, 1, 8, 3.5),   around(111, 22050, 1, 8, 1.7),
        around(112, 11025, 1, 8, 2.3),   around(113, 22050, 1, 8, 1.75),
        around(114, 22050, 1, 8, 1.8),   around(121, 22050, 1, 8, 12.6),
        around(122, 22050, 1, 8, 15.1),  around(123, 22050, 1, 8, 14.6),
        around(124, 22050, 1, 8, 10.6),  around(301, 11025, 1, 8, 14.3),
        around(302, 11025, 1, 8, 14.5),  around(303, 11025, 1, 8, 10.5),
        around(304, 11025, 1, 8, 11.3),  around(305, 11025, 1, 8, 14.1),
        around(900, 22050, 2, 4, 0.05),
    };
    for (int id = 201; id <= 232; ++id)
        all.push_back({id, 22050, 1, 8, 0.68, 1.38});
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
        EXPECT_GE(info->seconds, expected.shortest);
        EXPECT_LE(info->seconds, expected.longest);
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
