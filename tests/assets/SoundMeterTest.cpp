// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundMeter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

// The meter's measures on sounds made here, whose answer is known: the asset checks trust them
// on the committed files, so a measure that misses what it is for would pass any file.

namespace {

using namespace soundmeter;

constexpr int Rate = 22050;

// A voice-like tone: 200 Hz with two harmonics, at an RMS level in dBFS.
std::vector<double> tone(double seconds, double levelDb)
{
    const double amplitude = std::pow(10.0, levelDb / 20) * std::sqrt(2.0 / 1.5);
    std::vector<double> samples;
    for (int i = 0; i < int(seconds * Rate); ++i) {
        const double phase = 2 * std::numbers::pi * 200 * i / Rate;
        samples.push_back(
            amplitude * (std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.5 * std::sin(3 * phase)));
    }
    return samples;
}

std::vector<double> silence(double seconds)
{
    return std::vector<double>(size_t(seconds * Rate), 0.0);
}

// Fades the last seconds of samples out at an even rate in decibels, by depthDb.
std::vector<double> fadedOut(std::vector<double> samples, double seconds, double depthDb)
{
    const int length = int(seconds * Rate), n = int(samples.size());
    for (int k = 1; k <= length; ++k)
        samples[n - k] *= std::pow(10.0, -depthDb * (1 - double(k) / length) / 20);
    return samples;
}

Sound joined(const std::vector<std::vector<double>> &pieces)
{
    Sound sound{Rate, {}};
    for (const auto &piece : pieces)
        sound.samples.insert(sound.samples.end(), piece.begin(), piece.end());
    return sound;
}

TEST(SoundMeter, aVoiceCutIntoAClosureIsAStepIntoSilence)
{
    const Sound cut =
        joined({tone(0.2, -15), silence(0.03), fadedOut(tone(0.2, -15), 0.03, 45), silence(0.2)});
    const Sound faded = joined({fadedOut(tone(0.2, -15), 0.03, 45), silence(0.03),
                                fadedOut(tone(0.2, -15), 0.03, 45), silence(0.2)});
    EXPECT_GT(worstStepIntoSilenceDb(cut), -20);
    EXPECT_LT(worstStepIntoSilenceDb(faded), -50);
}

// A low voice's flat troughs are no silence, however they end.
TEST(SoundMeter, aGapShorterThan10MsIsNoSilence)
{
    const Sound gaps =
        joined({tone(0.2, -15), silence(0.008), fadedOut(tone(0.2, -15), 0.03, 45), silence(0.2)});
    EXPECT_LT(worstStepIntoSilenceDb(gaps), -50);
}

TEST(SoundMeter, syllablesSplitAtTheirDipWithTheClosureOpeningTheNext)
{
    // 300 ms, a 60 ms closure, then 150 ms: the closure belongs to the syllable it opens.
    const Sound word = joined({tone(0.3, -15), silence(0.06), tone(0.15, -20), silence(0.2)});
    const auto spans = syllables(analyse(word));
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[0].second - spans[0].first, 30, 1);
    EXPECT_NEAR(spans[1].second - spans[1].first, 21, 1);
}

TEST(SoundMeter, aShallowDipDoesNotSplitASyllable)
{
    const Sound dipped = joined({tone(0.2, -15), tone(0.05, -20), tone(0.2, -15), silence(0.1)});
    const Sound deep = joined({tone(0.2, -15), tone(0.05, -35), tone(0.2, -15), silence(0.1)});
    EXPECT_EQ(syllables(analyse(dipped)).size(), 1u);
    EXPECT_EQ(syllables(analyse(deep)).size(), 2u);
}

TEST(SoundMeter, phrasesAreTheSpeechBetweenPausesOf150Ms)
{
    const Sound apart = joined({tone(0.5, -12), silence(0.16), tone(0.5, -20), silence(0.1)});
    const Sound breath = joined({tone(0.5, -12), silence(0.1), tone(0.5, -20), silence(0.1)});
    const std::vector<double> levels = phraseLevelsDb(apart);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_NEAR(levels[0], -12, 0.5);
    EXPECT_NEAR(levels[1], -20, 0.5);
    EXPECT_EQ(phraseLevelsDb(breath).size(), 1u);
}

} // namespace
