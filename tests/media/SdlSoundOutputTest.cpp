#include "Resources.h"
#include "SdlSoundOutput.h"
#include "ToneWave.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

template <typename Action>
Clock::duration timed(Action action)
{
    const auto begin = Clock::now();
    action();
    return Clock::now() - begin;
}

// Polls until the output has finished its sound or the limit passes; true if it finished.
bool finishesWithin(const SdlSoundOutput &output, Clock::duration limit)
{
    const auto deadline = Clock::now() + limit;
    while (output.isPlaying() && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return !output.isPlaying();
}

TEST(SdlSoundOutputPlayback, SyncPlayReturnsWhenTheSoundHasEnded)
{
    SdlSoundOutput output;
    ASSERT_TRUE(output.hasDevice());

    const auto elapsed = timed([&] { output.playMemory(toneWave(0.3), PlayMode::Sync); });

    EXPECT_GE(elapsed, 250ms);
    EXPECT_LT(elapsed, 1500ms);
    EXPECT_FALSE(output.isPlaying());
}

TEST(SdlSoundOutputPlayback, AsyncPlayReturnsAtOnceWhileTheSoundGoesOn)
{
    SdlSoundOutput output;

    const auto elapsed = timed([&] { output.playMemory(toneWave(1.0), PlayMode::Async); });

    EXPECT_LT(elapsed, 200ms);
    EXPECT_TRUE(output.isPlaying());
    EXPECT_TRUE(finishesWithin(output, 3s));
}

TEST(SdlSoundOutputPlayback, AStartedSoundReplacesTheOneThatPlays)
{
    SdlSoundOutput output;
    output.playMemory(toneWave(5.0), PlayMode::Async);

    const auto elapsed = timed([&] { output.playMemory(toneWave(0.1), PlayMode::Sync); });

    EXPECT_LT(elapsed, 1000ms);
    EXPECT_FALSE(output.isPlaying());
}

TEST(SdlSoundOutputPlayback, StopEndsTheSoundAtOnce)
{
    SdlSoundOutput output;
    output.playMemory(toneWave(5.0), PlayMode::Async);

    output.stop();

    EXPECT_FALSE(output.isPlaying());
}

// Within a millisecond: a converter that drops the end of a sound loses far more.
TEST(SdlSoundOutputPlayback, KeepsTheLengthOfEverySourceFormat)
{
    SdlSoundOutput output;
    const auto lengthMs = [&output](const QByteArray &wave) {
        return output.lengthOf(wave).value_or(std::chrono::milliseconds(-1)).count();
    };

    EXPECT_NEAR(lengthMs(toneWave(0.3, 22050, 8, 1)), 300, 1);
    EXPECT_NEAR(lengthMs(toneWave(0.5, 11025, 8, 1)), 500, 1);
    EXPECT_NEAR(lengthMs(toneWave(0.25, 44100, 16, 2)), 250, 1);
    EXPECT_NEAR(lengthMs(toneWave(0.7, 48000, 16, 1)), 700, 1);
}

TEST(SdlSoundOutputFiles, AMissingFilePlaysTheDefaultSound)
{
    SdlSoundOutput output;

    output.playFile(QStringLiteral("/no/such/folder/wav/step.wav"));

    EXPECT_TRUE(output.isPlaying());
    EXPECT_TRUE(finishesWithin(output, 1s));
}

TEST(SdlSoundOutputFiles, AFileThatIsNoWaveFilePlaysTheDefaultSound)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("step.wav")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24);
    file.close();
    SdlSoundOutput output;

    output.playFile(file.fileName());

    EXPECT_TRUE(output.isPlaying());
    EXPECT_TRUE(finishesWithin(output, 1s));
}

TEST(SdlSoundOutputDefaultSound, GarbageBytesPlayTheShortDefaultSoundToItsEnd)
{
    SdlSoundOutput output;
    EXPECT_EQ(output.lengthOf(QByteArray("garbage, not a sound")), std::nullopt);

    const auto elapsed = timed([&] { output.playMemory(QByteArray("garbage"), PlayMode::Sync); });

    EXPECT_GE(elapsed, 50ms);
    EXPECT_LT(elapsed, 1000ms);
}

TEST(SdlSoundOutputFiles, AWaveFilePlaysAsynchronouslyToItsEnd)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("step.wav")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(toneWave(0.6));
    file.close();
    SdlSoundOutput output;

    const auto elapsed = timed([&] { output.playFile(file.fileName()); });

    EXPECT_LT(elapsed, 200ms);
    EXPECT_TRUE(output.isPlaying());
    EXPECT_FALSE(finishesWithin(output, 300ms));
    EXPECT_TRUE(finishesWithin(output, 2s));
}

// Sets an environment variable for one scope and puts the old value back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char *name, const char *value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

TEST(SdlSoundOutputWithoutDevice, EveryPlayIsSilentAndReturnsAtOnce)
{
    ScopedEnvironment driver("SDL_AUDIODRIVER", "no-such-audio-driver");
    SdlSoundOutput output;
    EXPECT_FALSE(output.hasDevice());

    const auto elapsed = timed([&] {
        output.playMemory(toneWave(2.0), PlayMode::Sync);
        output.playMemory(QByteArray("garbage"), PlayMode::Sync);
        output.playFile(QStringLiteral("/no/such/file.wav"));
        output.stop();
    });

    EXPECT_LT(elapsed, 200ms);
    EXPECT_FALSE(output.isPlaying());
    EXPECT_EQ(output.lengthOf(toneWave(0.3)), std::nullopt);
}

TEST(SdlSoundOutputResources, TheStopSoundDecodesFromImaAdpcmToItsLength)
{
    SdlSoundOutput output;

    const auto length = output.lengthOf(Resources::sound(900));

    ASSERT_TRUE(length.has_value());
    EXPECT_GE(*length, 45ms);
    EXPECT_LE(*length, 55ms);
}

TEST(SdlSoundOutputResources, EverySoundOfTheGameDecodesForTheDevice)
{
    std::vector<int> ids{101, 102, 103, 104, 105, 106, 107, 111, 112, 113, 114,
                         121, 122, 123, 124, 301, 302, 303, 304, 305, 900};
    for (int word = 0; word < 32; ++word)
        ids.push_back(201 + word);
    SdlSoundOutput output;

    for (int id : ids) {
        const auto length = output.lengthOf(Resources::sound(id));
        ASSERT_TRUE(length.has_value()) << "sound " << id;
        EXPECT_GT(*length, 40ms) << "sound " << id;
    }
}

} // namespace
