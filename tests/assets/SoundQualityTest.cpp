#include "AssetFiles.h"
#include "Catalogue.h"
#include "SoundMeter.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(AssetSoundQuality, everySpokenSoundSpeaksAtOneLoudnessBelowThePeakLimit)
{
    for (SoundId id : spokenSounds()) {
        SCOPED_TRACE(id.number);
        const Recording sound = loadSound(id);
        const auto parts = audibleParts(sound, PhraseGap);
        ASSERT_GE(parts.size(), opensWithJingle(id) ? 2u : 1u);
        Recording speech = sound;
        if (opensWithJingle(id)) {
            const Recording jingle = slice(sound, parts[0].first, parts[0].second);
            EXPECT_NEAR(activeLevelDb(analyse(jingle)), SpeechDb, JingleToleranceDb);
            speech = slice(sound, parts[1].first, int(sound.samples.size()));
        }
        EXPECT_NEAR(voicedLevelDb(analyse(speech)), SpeechDb, SpeechToleranceDb);
        EXPECT_LE(peakDb(sound), PeakDb);
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
