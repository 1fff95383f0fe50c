// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AssetFiles.h"
#include "Catalogue.h"
#include "SoundMeter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

// What a child hears: every spoken sound at one loudness, starting at once, without clicks,
// in a voice whose tones move far enough to be learnt. Measured on the committed files with
// the generator's own meter (tools/assets/sounds/meter).

namespace {

using namespace soundmeter;
// A decoded sound file (the game's catalogue names its sounds in namespace Sound).
using Recording = soundmeter::Sound;

constexpr double SpeechDb = -18, SpeechToleranceDb = 1, JingleToleranceDb = 3, PeakDb = -1;
constexpr double MaxOnset = 0.010, MaxEdgeDb = -30, PhraseGap = 0.1;
constexpr double MaxPhraseSpreadDb = 3, MaxStepIntoSilenceDb = -40;
constexpr double MaxNeutralShare = 0.6, MinFullShare = 0.8;

std::vector<SoundId> spokenSounds()
{
    std::vector<SoundId> ids = {Sound::CaterpillarStory, Sound::BeeStory,   Sound::RightAnswer,
                                Sound::QuizPassed,       Sound::QuizFailed, Sound::EndNarration};
    for (SquareKind kind :
         {SquareKind::Poem, SquareKind::Teaching, SquareKind::Quiz, SquareKind::Chance})
        ids.push_back(Sound::announcement(kind));
    for (int level = 1; level <= LevelCount; ++level)
        ids.push_back(Sound::narration(level));
    for (int word = 0; word < 32; ++word)
        ids.push_back(Sound::wordSound(word));
    for (int poem = 0; poem < Text::PoemCount; ++poem)
        ids.push_back(Sound::recitation(poem));
    return ids;
}

// The right, passed and failed sounds open with a jingle, set apart by a pause.
bool opensWithJingle(SoundId id)
{
    return id == Sound::RightAnswer || id == Sound::QuizPassed || id == Sound::QuizFailed;
}

Recording load(const QString &relative)
{
    const auto sound = readWave(resourcePath(relative).toStdString());
    return sound ? *sound : Recording{};
}

Recording loadSound(SoundId id)
{
    return load(QStringLiteral("sounds/%1.wav").arg(id.number));
}

// The speech of a sound: all of it, or what follows its opening jingle.
Recording speechOf(SoundId id, const Recording &sound)
{
    if (!opensWithJingle(id))
        return sound;
    const auto parts = audibleParts(sound, PhraseGap);
    return parts.size() < 2 ? Recording{} : slice(sound, parts[1].first, int(sound.samples.size()));
}

TEST(AssetSoundQuality, everySpokenSoundSpeaksAtOneLoudnessBelowThePeakLimit)
{
    for (SoundId id : spokenSounds()) {
        SCOPED_TRACE(id.number);
        const Recording sound = loadSound(id);
        const auto parts = audibleParts(sound, PhraseGap);
        ASSERT_GE(parts.size(), opensWithJingle(id) ? 2u : 1u);
        if (opensWithJingle(id)) {
            const Recording jingle = slice(sound, parts[0].first, parts[0].second);
            EXPECT_NEAR(activeLevelDb(analyse(jingle)), SpeechDb, JingleToleranceDb);
        }
        EXPECT_NEAR(voicedLevelDb(analyse(speechOf(id, sound))), SpeechDb, SpeechToleranceDb);
        EXPECT_LE(peakDb(sound), PeakDb);
    }
}

// Levelled as a whole, the halves of a line came out up to 6 dB apart (哗啦啦 against 下雨了,
// 空山 against 不见人): within a sound the child should not hear one phrase louder than the
// next. A phrase is the speech between pauses of 150 ms or more (a poem's caesura too).
TEST(AssetSoundQuality, everyPhraseOfASoundIsEquallyLoud)
{
    for (SoundId id : spokenSounds()) {
        SCOPED_TRACE(id.number);
        const std::vector<double> levels = phraseLevelsDb(speechOf(id, loadSound(id)));
        ASSERT_FALSE(levels.empty());
        for (double level : levels)
            ASSERT_TRUE(std::isfinite(level)) << "a phrase without voice";
        const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
        EXPECT_LE(*loudest - *quietest, MaxPhraseSpreadDb);
    }
}

// eSpeak NG stops the voice dead before a consonant's closure and at the end of a phrase; cut
// there it ticks, softly but audibly at up to -17 dBFS. Faded out, the last millisecond
// before the silence is down at the 8-bit file's quietest step (-42 dBFS).
TEST(AssetSoundQuality, theVoiceFadesOutBeforeEverySilence)
{
    for (SoundId id : spokenSounds()) {
        SCOPED_TRACE(id.number);
        EXPECT_LT(worstStepIntoSilenceDb(loadSound(id)), MaxStepIntoSilenceDb);
    }
}

// A neutral syllable (子 of 袋子, 帚 of 扫帚, the second 娃 of 娃娃) is short and light; spoken
// as long as the syllable before it, it teaches the child a stress that is not there. The
// full second syllables of the other words keep their length.
TEST(AssetSoundQuality, neutralSyllablesAreShortFullOnesAreNot)
{
    const std::set<int> neutralEnding = {2, 15, 21, 28, 29}; // 袋子 帽子 扫帚 娃娃 袜子
    for (int word = 0; word < 32; ++word) {
        SCOPED_TRACE(word);
        const auto spans = syllables(analyse(loadSound(Sound::wordSound(word))));
        if (neutralEnding.count(word) == 0 && spans.size() != 2)
            continue; // syllables the meter does not tell apart (电话: no dip between them)
        ASSERT_EQ(spans.size(), 2u);
        const double share =
            double(spans[1].second - spans[1].first) / (spans[0].second - spans[0].first);
        if (neutralEnding.count(word))
            EXPECT_LE(share, MaxNeutralShare);
        else
            EXPECT_GE(share, MinFullShare);
    }
}

TEST(AssetSoundQuality, everySpokenSoundIsHeardWithin10Ms)
{
    for (SoundId id : spokenSounds()) {
        SCOPED_TRACE(id.number);
        EXPECT_LE(onsetSeconds(loadSound(id)), MaxOnset);
    }
}

TEST(AssetSoundQuality, noSoundClicksWhereItMeetsSilence)
{
    std::vector<QString> files = {QStringLiteral("wav/step.wav")};
    for (SoundId id : spokenSounds())
        files.push_back(QStringLiteral("sounds/%1.wav").arg(id.number));
    for (SoundId id : {Sound::Whirl, Sound::Step})
        files.push_back(QStringLiteral("sounds/%1.wav").arg(id.number));
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const Recording sound = load(file);
        ASSERT_FALSE(sound.samples.empty());
        EXPECT_LE(worstEdgeDb(sound), MaxEdgeDb);
    }
}

TEST(AssetSoundQuality, theVoiceSpeaksInAChildsTeachersRegister)
{
    for (SoundId id : spokenSounds()) {
        SCOPED_TRACE(id.number);
        int voiced = 0, inRange = 0;
        for (const Frame &frame : analyse(loadSound(id))) {
            voiced += frame.f0 > 0;
            inRange += frame.f0 >= 150 && frame.f0 <= 350;
        }
        ASSERT_GT(voiced, 0);
        EXPECT_GE(double(inRange) / voiced, 0.8);
    }
}

// Reference words, one voiced stretch per syllable: how far each tone must move.
struct ToneTarget {
    SoundId id;
    int syllable;
    const char *what;
    double minFall, minRise;
};

TEST(AssetSoundQuality, tonesMoveFarEnoughForAChildToLearnThem)
{
    const ToneTarget targets[] = {
        {Sound::wordSound(18), 0, "qi4 of 气球 falls", 8, 0},
        {Sound::wordSound(18), 1, "qiu2 of 气球 rises", 0, 4},
        {Sound::wordSound(24), 1, "tao4 of 手套 falls", 8, 0},
        {Sound::wordSound(0), 1, "fang2 of 厨房 rises", 0, 4},
        {Sound::wordSound(19), 1, "bi3 of 铅笔 dips and rises", 2, 4},
    };
    for (const ToneTarget &target : targets) {
        SCOPED_TRACE(target.what);
        const auto runs = voicedRuns(analyse(loadSound(target.id)));
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_GE(runs[target.syllable].fallSemitones(), target.minFall);
        EXPECT_GE(runs[target.syllable].riseSemitones(), target.minRise);
    }
}

} // namespace
