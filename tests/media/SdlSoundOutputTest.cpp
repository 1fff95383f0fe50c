#include "SdlSoundOutput.h"
#include "ToneWave.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

template <typename Action> Clock::duration timed(Action action)
{
    const auto begin = Clock::now();
    action();
    return Clock::now() - begin;
}

TEST(SdlSoundOutput, aSyncSoundHoldsTheCallerForItsLengthAndAnAsyncOneNotAtAll)
{
    SdlSoundOutput output;
    const auto sync = timed([&] { output.playMemory(toneWave(0.3), PlayMode::Sync); });
    EXPECT_GE(sync, 250ms);
    EXPECT_LT(sync, 1500ms);
    EXPECT_LT(timed([&] { output.playMemory(toneWave(5.0), PlayMode::Async); }), 200ms);
    // The long sound is cut off by the next, which holds the caller only for its own length.
    EXPECT_LT(timed([&] { output.playMemory(toneWave(0.1), PlayMode::Sync); }), 1000ms);
}

TEST(SdlSoundOutput, whatCannotBeDecodedPlaysTheShortDefaultSound)
{
    SdlSoundOutput output;
    const auto elapsed = timed([&] { output.playMemory(QByteArray("garbage"), PlayMode::Sync); });
    EXPECT_GE(elapsed, 100ms);
    EXPECT_LT(elapsed, 1000ms);
    QTemporaryDir folder;
    QFile garbage(folder.filePath(QStringLiteral("step.wav")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24);
    garbage.close();
    for (const QString &path : {QStringLiteral("/no/such/folder/wav/step.wav"), garbage.fileName()})
        EXPECT_LT(timed([&] { output.playFile(path); }), 200ms) << path.toStdString();
}

TEST(SdlSoundOutput, withoutADeviceEveryPlayIsSilentAndReturnsAtOnce)
{
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
    SdlSoundOutput output;
    qputenv("SDL_AUDIODRIVER", driver);
    const auto elapsed = timed([&] {
        output.playMemory(toneWave(2.0), PlayMode::Sync);
        output.playMemory(QByteArray("garbage"), PlayMode::Sync);
        output.playFile(QStringLiteral("/no/such/file.wav"));
        output.stop();
    });
    EXPECT_LT(elapsed, 200ms);
}

} // namespace
