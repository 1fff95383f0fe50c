#include "SdlSoundOutput.h"
#include "ToneWave.h"
#include "WaveDecoding.h"

#include <SDL_audio.h>

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <optional>
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

// Runs the event loop until the sound's end has been reported, at most limit; how long that
// took from now.
std::optional<Clock::duration> untilEnded(const bool &ended, Clock::duration limit = 3s)
{
    const auto begin = Clock::now();
    while (!ended && Clock::now() - begin < limit)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!ended)
        return std::nullopt;
    return Clock::now() - begin;
}

// Plays wave, waiting for its end, and says how long that took from the call.
std::optional<Clock::duration> heldFor(SoundOutput &output, const QByteArray &wave)
{
    bool ended = false;
    const auto begin = Clock::now();
    output.play(wave, [&ended] { ended = true; });
    EXPECT_LT(Clock::now() - begin, 200ms) << "a play returns at once";
    EXPECT_FALSE(ended) << "an end is reported from the event loop, never inside the play";
    const auto waited = untilEnded(ended);
    if (!waited)
        return std::nullopt;
    return Clock::now() - begin;
}

TEST(SdlSoundOutput, reportsTheEndOfASoundAfterItsLengthAndPlaysReturnAtOnce)
{
    SdlSoundOutput output;
    const auto held = heldFor(output, toneWave(0.3));
    ASSERT_TRUE(held);
    EXPECT_GE(*held, 250ms);
    EXPECT_LT(*held, 1500ms);
    // A sound cut off by the next reports its end then; the next plays its own length.
    bool longEnded = false;
    output.play(toneWave(5.0), [&longEnded] { longEnded = true; });
    const auto next = heldFor(output, toneWave(0.1));
    EXPECT_TRUE(longEnded);
    ASSERT_TRUE(next);
    EXPECT_LT(*next, 1000ms);
}

TEST(SdlSoundOutput, whatCannotBeDecodedPlaysTheShortDefaultSound)
{
    SdlSoundOutput output;
    const auto held = heldFor(output, QByteArray("garbage"));
    ASSERT_TRUE(held);
    EXPECT_GE(*held, 100ms);
    EXPECT_LT(*held, 1000ms);
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
TEST(SdlSoundOutput, anAbsurdStepFileHoldsUpNoSoundAfterIt)
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
    // The sound after each plays at once and to its end, so the file held nothing up.
    for (const QString &path : {slow.fileName(), huge.fileName()}) {
        output.playFile(path);
        const auto held = heldFor(output, toneWave(0.2));
        ASSERT_TRUE(held) << path.toStdString();
        EXPECT_LT(*held, 1000ms) << path.toStdString();
    }
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
        const auto held = heldFor(output, toneWave(0.3));
        ASSERT_TRUE(held) << round;
        EXPECT_GE(*held, 250ms) << round;
        EXPECT_LT(*held, 1500ms) << round;
        std::this_thread::sleep_for(400ms);
        EXPECT_FALSE(audioThreadRuns()) << round;
    }
    output.play(toneWave(5.0));
    std::this_thread::sleep_for(400ms);
    EXPECT_TRUE(audioThreadRuns());
}

TEST(SdlSoundOutput, withoutADeviceEverySoundEndsAtOnce)
{
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
    {
        SdlSoundOutput output;
        output.stop();
        for (const QByteArray &wave : {toneWave(2.0), QByteArray("garbage")}) {
            const auto held = heldFor(output, wave);
            ASSERT_TRUE(held);
            EXPECT_LT(*held, 200ms);
        }
        EXPECT_LT(timed([&] { output.playFile(QStringLiteral("/no/such/file.wav")); }), 200ms);
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

// The loudest 16-bit sample SDL's disk driver wrote for a tone played at gain.
int loudestSampleAt(double gain, const QString &file)
{
    qputenv("SDL_DISKAUDIOFILE", file.toLocal8Bit());
    {
        SdlSoundOutput output;
        output.setVolume(gain);
        EXPECT_TRUE(heldFor(output, toneWave(0.3))) << gain;
    }
    QFile written(file);
    EXPECT_TRUE(written.open(QIODevice::ReadOnly)) << gain;
    const QByteArray bytes = written.readAll();
    int loudest = 0;
    for (qsizetype at = 0; at + 1 < bytes.size(); at += 2)
        loudest = std::max(loudest, std::abs(qFromLittleEndian<qint16>(bytes.constData() + at)));
    return loudest;
}

// The volume scales every sample on its way to the device, and none is silence.
TEST(SdlSoundOutput, theVolumeScalesEverySampleAndNoVolumeIsSilence)
{
    QTemporaryDir folder;
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIODELAY", "0");
    const int full = loudestSampleAt(1.0, folder.filePath(QStringLiteral("full")));
    const int half = loudestSampleAt(0.5, folder.filePath(QStringLiteral("half")));
    const int none = loudestSampleAt(0.0, folder.filePath(QStringLiteral("none")));
    qputenv("SDL_AUDIODRIVER", "dummy");
    qunsetenv("SDL_DISKAUDIOFILE");
    qunsetenv("SDL_DISKAUDIODELAY");
    // The tone's 8-bit amplitude of 38 is 38 * 256 in 16 bits.
    EXPECT_EQ(full, 38 * 256);
    EXPECT_NEAR(half, full / 2, 2);
    EXPECT_EQ(none, 0);
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
    auto output = std::make_unique<SdlSoundOutput>();
    // The sound counts as ended a moment after its length, whatever the device took of it.
    const auto held = heldFor(*output, toneWave(0.5));
    ASSERT_TRUE(held);
    EXPECT_LT(*held, 1500ms);
    output->play(toneWave(5.0));
    qputenv("SDL_AUDIODRIVER", "dummy");
    std::this_thread::sleep_for(300ms);
    EXPECT_LT(timed([&] { output.reset(); }), 700ms);
    close(reader);
    qunsetenv("SDL_DISKAUDIOFILE");
    qunsetenv("SDL_DISKAUDIODELAY");
}

} // namespace
