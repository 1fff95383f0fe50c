#include "Resources.h"
#include "SdlSoundOutput.h"
#include "ToneWave.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

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

// A wave file holding bytes, in a folder that lasts as long as the object.
struct FileOf {
    explicit FileOf(const QByteArray &bytes) : path(folder.filePath(QStringLiteral("step.wav")))
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QTemporaryDir folder;
    QString path;
};

TEST(SdlSoundOutputPlayback, SyncPlayReturnsWhenTheSoundHasEnded)
{
    SdlSoundOutput output;
    ASSERT_TRUE(output.hasDevice());

    const auto elapsed = timed([&] { output.playMemory(toneWave(0.3), PlayMode::Sync); });
    EXPECT_GE(elapsed, 250ms);
    EXPECT_LT(elapsed, 1500ms);
    EXPECT_FALSE(output.isPlaying());
}

TEST(SdlSoundOutputPlayback, AsyncPlayReturnsAtOnceAndGoesOnUntilReplacedOrStopped)
{
    SdlSoundOutput output;
    for (bool replace : {true, false}) {
        const auto elapsed = timed([&] { output.playMemory(toneWave(5.0), PlayMode::Async); });
        EXPECT_LT(elapsed, 200ms);
        EXPECT_FALSE(finishesWithin(output, 100ms));
        if (replace) {
            EXPECT_LT(timed([&] { output.playMemory(toneWave(0.1), PlayMode::Sync); }), 1000ms);
        } else {
            output.stop();
        }
        EXPECT_FALSE(output.isPlaying());
    }
}

TEST(SdlSoundOutputFiles, AWaveFilePlaysAsyncToItsEndAndAMissingOrGarbageOneTheShortDefault)
{
    SdlSoundOutput output;
    const FileOf wave(toneWave(0.6));
    EXPECT_LT(timed([&] { output.playFile(wave.path); }), 200ms);
    EXPECT_FALSE(finishesWithin(output, 300ms));
    EXPECT_TRUE(finishesWithin(output, 2s));

    const FileOf garbage(QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24));
    for (const QString &path : {QStringLiteral("/no/such/folder/wav/step.wav"), garbage.path}) {
        SCOPED_TRACE(path.toStdString());
        output.playFile(path);
        EXPECT_TRUE(output.isPlaying());
        EXPECT_TRUE(finishesWithin(output, 1s));
    }
    EXPECT_EQ(output.lengthOf(QByteArray("garbage, not a sound")), std::nullopt);
    const auto elapsed = timed([&] { output.playMemory(QByteArray("garbage"), PlayMode::Sync); });
    EXPECT_GE(elapsed, 50ms);
    EXPECT_LT(elapsed, 1000ms);
}

TEST(SdlSoundOutputWithoutDevice, EveryPlayIsSilentAndReturnsAtOnce)
{
    const bool driverSet = qEnvironmentVariableIsSet("SDL_AUDIODRIVER");
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
    SdlSoundOutput output;
    if (driverSet)
        qputenv("SDL_AUDIODRIVER", driver);
    else
        qunsetenv("SDL_AUDIODRIVER");
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
    const auto length = SdlSoundOutput().lengthOf(Resources::sound(900));
    ASSERT_TRUE(length.has_value());
    EXPECT_GE(*length, 45ms);
    EXPECT_LE(*length, 55ms);
}

} // namespace
