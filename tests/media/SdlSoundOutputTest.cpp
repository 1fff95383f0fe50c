#include "SdlSoundOutput.h"
#include "ToneWave.h"

#include <SDL_audio.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <future>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    EXPECT_LT(timed([&] { output.playFile(QStringLiteral("/no/such/folder/wav/step.wav")); }),
              200ms);
}

TEST(WaveFiles, areDecodedOnlyWhenTheGameCanSensiblyPlayThem)
{
    const SampleFormat device{AUDIO_S16SYS, 2, 22050, 0};
    EXPECT_TRUE(decodeWaveFile(waveImage(44100, 2, 16, QByteArray(44100 * 4, 0)), device));
    EXPECT_TRUE(decodeWaveFile(waveImage(8000, 1, 8, QByteArray(8000 * 10, 0)), device));
    struct Refused {
        const char *why;
        QByteArray wave;
    };
    const Refused refused[] = {
        {"a rate of 1 Hz", waveImage(1, 1, 8, QByteArray(2 * 1024 * 1024, 0))},
        {"above 192 kHz", waveImage(384000, 1, 8, QByteArray(1000, 0))},
        {"three channels", waveImage(22050, 3, 8, QByteArray(3000, 0))},
        {"longer than ten seconds", waveImage(8000, 1, 8, QByteArray(8000 * 11, 0))},
        {"bigger than a few MB", waveImage(96000, 2, 16, QByteArray(MaxWaveFileBytes, 0))},
    };
    for (const Refused &file : refused)
        EXPECT_FALSE(decodeWaveFile(file.wave, device)) << file.why;
}

// A file at 1 Hz once made the converter ask for 176 GB; a huge one froze the click.
TEST(SdlSoundOutput, anAbsurdStepFilePlaysTheDefaultSoundAtOnce)
{
    SdlSoundOutput output;
    QTemporaryDir folder;
    QFile slow(folder.filePath(QStringLiteral("slow.wav")));
    ASSERT_TRUE(slow.open(QIODevice::WriteOnly));
    slow.write(waveImage(1, 1, 8, QByteArray(2 * 1024 * 1024, 0)));
    slow.close();
    QFile huge(folder.filePath(QStringLiteral("huge.wav")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(waveImage(44100, 2, 16, {}));
    ASSERT_TRUE(huge.resize(200 * 1024 * 1024));
    huge.close();
    for (const QString &path : {slow.fileName(), huge.fileName()})
        EXPECT_LT(timed([&] { output.playFile(path); }), 200ms) << path.toStdString();
}

// SDL's audio thread, which runs while the device is open.
bool audioThreadRuns()
{
    QDirIterator tasks(QStringLiteral("/proc/self/task"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (tasks.hasNext()) {
        QFile name(tasks.next() + QStringLiteral("/comm"));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("SDLAudio"))
            return true;
    }
    return false;
}

TEST(SdlSoundOutput, releasesTheDeviceWhenIdleAndPlaysWholeSoundsOnceItIsBack)
{
    SdlSoundOutput output(100ms);
    for (int round = 0; round < 2; ++round) {
        const auto sync = timed([&] { output.playMemory(toneWave(0.3), PlayMode::Sync); });
        EXPECT_GE(sync, 250ms) << round;
        EXPECT_LT(sync, 1500ms) << round;
        std::this_thread::sleep_for(400ms);
        EXPECT_FALSE(audioThreadRuns()) << round;
    }
    output.playMemory(toneWave(5.0), PlayMode::Async);
    std::this_thread::sleep_for(400ms);
    EXPECT_TRUE(audioThreadRuns());
}

TEST(SdlSoundOutput, withoutADeviceEveryPlayIsSilentAndReturnsAtOnce)
{
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
    {
        SdlSoundOutput output;
        output.stop();
        const auto elapsed = timed([&] {
            output.playMemory(toneWave(2.0), PlayMode::Sync);
            output.playMemory(QByteArray("garbage"), PlayMode::Sync);
            output.playFile(QStringLiteral("/no/such/file.wav"));
            output.stop();
        });
        EXPECT_LT(elapsed, 200ms);
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

// Last: the stalled device it leaves behind never ends.
// A device that stops taking samples: SDL's disk driver writing into a pipe nobody reads.
TEST(SdlSoundOutput, aStalledDeviceHoldsTheEndOfTheGameHalfASecondAtMost)
{
    // The audio thread's write fails rather than ends the test once the pipe is closed.
    std::signal(SIGPIPE, SIG_IGN);
    QTemporaryDir folder;
    const QByteArray pipe = folder.filePath(QStringLiteral("device")).toLocal8Bit();
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    const int reader = open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", pipe);
    qputenv("SDL_DISKAUDIODELAY", "0");
    auto *output = new SdlSoundOutput;
    output->playMemory(toneWave(5.0), PlayMode::Async);
    qputenv("SDL_AUDIODRIVER", "dummy");
    std::this_thread::sleep_for(300ms);
    auto gone = std::make_shared<std::promise<void>>();
    const auto begin = Clock::now();
    std::thread([output, gone] {
        delete output;
        gone->set_value();
    }).detach();
    EXPECT_EQ(gone->get_future().wait_for(2s), std::future_status::ready);
    EXPECT_LT(Clock::now() - begin, 700ms);
    close(reader);
    qunsetenv("SDL_DISKAUDIOFILE");
    qunsetenv("SDL_DISKAUDIODELAY");
}

} // namespace
