#include "AssetFiles.h"
#include "SoundMeter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

// What a child hears: every spoken sound at one loudness, starting at once, without clicks,
// in a voice whose tones move far enough to be learnt. Measured on the committed files with
// the generator's own meter (tools/assets/sounds/meter).

namespace {

using namespace soundmeter;

constexpr double SpeechDb = -18, SpeechToleranceDb = 1, JingleToleranceDb = 3, PeakDb = -1;
constexpr double MaxOnset = 0.010, MaxEdgeDb = -30, PhraseGap = 0.1;

std::vector<int> spokenSounds()
{
    std::vector<int> ids = {103, 104, 105, 106, 107, 111, 112, 113, 114, 121, 122, 123, 124};
    for (int id = 201; id <= 232; ++id)
        ids.push_back(id);
    for (int id = 301; id <= 305; ++id)
        ids.push_back(id);
    return ids;
}

// The right, passed and failed sounds open with a jingle, set apart by a pause.
bool opensWithJingle(int id)
{
    return id >= 105 && id <= 107;
}

Sound load(const QString &relative)
{
    const auto sound = readWave(resourcePath(relative).toStdString());
    return sound ? *sound : Sound{};
}

Sound loadSound(int id)
{
    return load(QStringLiteral("sounds/%1.wav").arg(id));
}

TEST(AssetSoundQuality, everySpokenSoundSpeaksAtOneLoudnessBelowThePeakLimit)
{
    for (int id : spokenSounds()) {
        SCOPED_TRACE(id);
        const Sound sound = loadSound(id);
        const auto parts = audibleParts(sound, PhraseGap);
        ASSERT_GE(parts.size(), opensWithJingle(id) ? 2u : 1u);
        Sound speech = sound;
        if (opensWithJingle(id)) {
            const Sound jingle = slice(sound, parts[0].first, parts[0].second);
            EXPECT_NEAR(activeLevelDb(analyse(jingle)), SpeechDb, JingleToleranceDb);
            speech = slice(sound, parts[1].first, int(sound.samples.size()));
        }
        EXPECT_NEAR(voicedLevelDb(analyse(speech)), SpeechDb, SpeechToleranceDb);
        EXPECT_LE(peakDb(sound), PeakDb);
    }
}

TEST(AssetSoundQuality, everySpokenSoundIsHeardWithin10Ms)
{
    for (int id : spokenSounds()) {
        SCOPED_TRACE(id);
        EXPECT_LE(onsetSeconds(loadSound(id)), MaxOnset);
    }
}

TEST(AssetSoundQuality, noSoundClicksWhereItMeetsSilence)
{
    std::vector<QString> files = {QStringLiteral("wav/step.wav")};
    for (int id : spokenSounds())
        files.push_back(QStringLiteral("sounds/%1.wav").arg(id));
    for (int id : {101, 102})
        files.push_back(QStringLiteral("sounds/%1.wav").arg(id));
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const Sound sound = load(file);
        ASSERT_FALSE(sound.samples.empty());
        EXPECT_LE(worstEdgeDb(sound), MaxEdgeDb);
    }
}

TEST(AssetSoundQuality, theVoiceSpeaksInAChildsTeachersRegister)
{
    for (int id : spokenSounds()) {
        SCOPED_TRACE(id);
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
    int id;
    int syllable;
    const char *what;
    double minFall, minRise;
};

TEST(AssetSoundQuality, tonesMoveFarEnoughForAChildToLearnThem)
{
    const ToneTarget targets[] = {
        {219, 0, "qi4 of 气球 falls", 8, 0},          {219, 1, "qiu2 of 气球 rises", 0, 4},
        {225, 1, "tao4 of 手套 falls", 8, 0},         {201, 1, "fang2 of 厨房 rises", 0, 4},
        {220, 1, "bi3 of 铅笔 dips and rises", 2, 4},
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
