// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AssetFiles.h"
#include "Catalogue.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSize>

#include <cstdlib>

#include <vector>

namespace {

struct ExpectedBitmap {
    BitmapId id;
    QSize size;
};
constexpr int Pcm = 1, ImaAdpcm = 0x11;

std::vector<ExpectedBitmap> bitmapCatalogue()
{
    const QSize icon(40, 40), face(90, 90), scene(300, 300);
    std::vector<ExpectedBitmap> all = {
        {Bitmap::StandingKittenMask, icon},
        {Bitmap::StandingKittenImage, icon},
        {Bitmap::WalkingKittenMask, icon},
        {Bitmap::WalkingKittenImage, icon},
        {Bitmap::WhirlTiltedSix, face},
        {Bitmap::WhirlTiltedFour, face},
        {Bitmap::EndScene, scene},
        {Bitmap::CaterpillarScene, scene},
        {Bitmap::BeeScene, scene},
        {Bitmap::TadpoleButton, {100, 100}},
        {Bitmap::TadpoleButtonHovered, {100, 100}},
        {Bitmap::BeeButton, {98, 104}},
        {Bitmap::BeeButtonHovered, {98, 104}},
        {Bitmap::CaterpillarWithCap, {98, 116}},
        {Bitmap::HelpButton, {50, 35}},
        {Bitmap::HelpButtonHovered, {50, 35}},
    };
    for (SquareKind kind :
         {SquareKind::Poem, SquareKind::Teaching, SquareKind::Quiz, SquareKind::Chance})
        all.push_back({Bitmap::squareIcon(kind), icon});
    for (int number = 1; number <= 6; ++number)
        all.push_back({Bitmap::spinnerFace(number), face});
    for (int level = 1; level <= LevelCount; ++level)
        all.push_back({Bitmap::scene(level), scene});
    // The pictures of 电脑, 钢琴, 扫帚 and 沙发 are larger.
    for (int word = 0; word < 32; ++word) {
        const bool large = word == 5 || word == 9 || word == 21 || word == 22;
        all.push_back({Bitmap::wordPicture(word), large ? QSize(90, 90) : QSize(80, 80)});
    }
    return all;
}

// A nominal length in seconds, within 10 % unless a wider tolerance is given.
struct ExpectedSound {
    SoundId id;
    int sampleRate, channels, bits;
    double seconds, tolerance = 0.1;
};

std::vector<ExpectedSound> soundCatalogue()
{
    constexpr int Rate = 22050, HalfRate = 11025;
    std::vector<ExpectedSound> all = {
        {Sound::Whirl, Rate, 1, 8, 0.49},
        {Sound::Step, 44100, 2, 16, 0.25},
        {Sound::CaterpillarStory, Rate, 1, 8, 3.76},
        {Sound::BeeStory, Rate, 1, 8, 3.16},
        {Sound::RightAnswer, Rate, 1, 8, 0.75},
        {Sound::QuizPassed, Rate, 1, 8, 2.5},
        {Sound::QuizFailed, Rate, 1, 8, 3.5},
        {Sound::announcement(SquareKind::Poem), Rate, 1, 8, 1.7},
        {Sound::announcement(SquareKind::Teaching), HalfRate, 1, 8, 2.3},
        {Sound::announcement(SquareKind::Quiz), Rate, 1, 8, 1.75},
        {Sound::announcement(SquareKind::Chance), Rate, 1, 8, 1.8},
        {Sound::narration(1), Rate, 1, 8, 12.6},
        {Sound::narration(2), Rate, 1, 8, 15.1},
        {Sound::narration(3), Rate, 1, 8, 14.6},
        {Sound::EndNarration, Rate, 1, 8, 10.6},
        {Sound::recitation(0), HalfRate, 1, 8, 14.3},
        {Sound::recitation(1), HalfRate, 1, 8, 14.5},
        {Sound::recitation(2), HalfRate, 1, 8, 10.5},
        {Sound::recitation(3), HalfRate, 1, 8, 11.3},
        {Sound::recitation(4), HalfRate, 1, 8, 14.1},
        {Sound::Stop, Rate, 2, 4, 0.05},
    };
    for (int word = 0; word < 32; ++word)
        all.push_back({Sound::wordSound(word), Rate, 1, 8, 1.03, 0.34});
    return all;
}

TEST(AssetCatalogue, everyBitmapIsAnUncompressed24BitBitmapOfItsSize)
{
    for (const ExpectedBitmap &expected : bitmapCatalogue()) {
        SCOPED_TRACE(expected.id.number);
        const auto info =
            readBitmapInfo(resourcePath(QStringLiteral("bitmaps/%1.bmp").arg(expected.id.number)));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->width, expected.size.width());
        EXPECT_EQ(info->height, expected.size.height());
        EXPECT_EQ(info->bitsPerPixel, 24);
        EXPECT_EQ(info->compression, 0);
    }
}

// How far apart two pictures of one size look, seen from afar: the mean difference of their
// colour channels, 0 to 255, once both are shrunk to a quarter of their width and height, so
// the finer drawing of a sharper variant does not count, only what it shows and where.
double distanceFromAfar(const QImage &a, const QImage &b)
{
    const QSize far = a.size() / 4;
    const QImage x = a.scaled(far, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    const QImage y = b.scaled(far, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < far.height(); ++row) {
        for (int column = 0; column < far.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * far.width() * far.height());
}

// The variants for sharp screens are the same pictures with finer detail: twice and three
// times the pixels, showing what the bitmap shows where it shows it. (The closest two different
// pictures, the spinner faces 2 and 3, are 9 apart from afar; a variant, at most 5.)
TEST(AssetCatalogue, everyBitmapIsDrawnAgainAtTwiceAndThreeTimesItsSizeShowingTheSamePicture)
{
    for (const ExpectedBitmap &expected : bitmapCatalogue()) {
        const QImage designed(
            resourcePath(QStringLiteral("bitmaps/%1.bmp").arg(expected.id.number)));
        for (int scale : {2, 3}) {
            SCOPED_TRACE(QStringLiteral("%1@%2x").arg(expected.id.number).arg(scale).toStdString());
            const QImage variant(resourcePath(
                QStringLiteral("bitmaps/%1@%2x.png").arg(expected.id.number).arg(scale)));
            ASSERT_EQ(variant.size(), expected.size * scale);
            EXPECT_LT(distanceFromAfar(variant.scaled(designed.size(), Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation),
                                       designed),
                      7);
        }
    }
}

TEST(AssetCatalogue, everySoundHasItsFormatAndLength)
{
    for (const ExpectedSound &expected : soundCatalogue()) {
        SCOPED_TRACE(expected.id.number);
        const auto info =
            readWaveInfo(resourcePath(QStringLiteral("sounds/%1.wav").arg(expected.id.number)));
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
