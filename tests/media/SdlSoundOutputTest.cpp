// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SdlSoundOutput.h"
#include "ToneWave.h"

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
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Threads are seen by name in Linux's /proc only.
#ifndef _WIN32
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
#endif

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

// Named pipes as files are Unix's: on Windows these tests are left out.
#ifndef _WIN32

// The device's rate, in 16-bit stereo frames: the sounds below are played as they are.
constexpr int Rate = 22050;

// The output on SDL's disk driver writing into a pipe that the test reads, or leaves unread:
// the device opens only once the test listens, and takes samples only as fast as it reads.
class SdlSoundOutputOnAPipe : public ::testing::Test {
protected:
    SdlSoundOutputOnAPipe()
    {
        // The audio thread's write fails rather than ends the test once the pipe is closed.
        std::signal(SIGPIPE, SIG_IGN);
        EXPECT_EQ(mkfifo(pipe_.constData(), 0600), 0);
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", pipe_);
        qputenv("SDL_DISKAUDIODELAY", "0");
        output = std::make_unique<SdlSoundOutput>();
    }
    // The pipe closes first, so that the device ends at once.
    ~SdlSoundOutputOnAPipe() override
    {
        if (reader_ < 0)
            listen();
        close(reader_);
        output.reset();
        qputenv("SDL_AUDIODRIVER", "dummy");
        qunsetenv("SDL_DISKAUDIOFILE");
        qunsetenv("SDL_DISKAUDIODELAY");
    }

    void listen()
    {
        reader_ = open(pipe_.constData(), O_RDONLY | O_NONBLOCK);
        EXPECT_GE(reader_, 0);
    }

    // Runs the event loop until done() holds, at most limit, reading what the device writes
    // pace times as fast as it plays: a little faster by default, so that a busy machine cannot
    // make the device late.
    bool readUntil(const std::function<bool()> &done, Clock::duration limit, double pace = 1.15)
    {
        const auto begin = Clock::now();
        const qsizetype before = written.size();
        while (!done() && Clock::now() - begin < limit) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            const std::chrono::duration<double> since = Clock::now() - begin;
            const auto due = before + static_cast<qsizetype>(since.count() * Rate * 4 * pace);
            char buffer[4096];
            while (written.size() < due) {
                const auto got =
                    read(reader_, buffer, std::min<qsizetype>(sizeof buffer, due - written.size()));
                if (got <= 0)
                    break;
                written.append(buffer, got);
            }
        }
        return done();
    }

    QByteArray written;
    std::unique_ptr<SdlSoundOutput> output;

private:
    QTemporaryDir folder_;
    const QByteArray pipe_ = folder_.filePath(QStringLiteral("device")).toLocal8Bit();
    int reader_ = -1;
};

// A sound of 16-bit stereo frames, each of which says which sound it belongs to and where in
// it it stands: its frame number plus the sound's mark, over both channels.
constexpr int MarksApart = 1 << 24;
constexpr int First = MarksApart;
constexpr int Second = 2 * MarksApart;

QByteArray markedWave(int frames, int mark)
{
    QByteArray samples(frames * 4, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i)
        qToLittleEndian<qint32>(mark + i, samples.data() + 4 * i);
    return waveImage(Rate, 2, 16, samples);
}

// The frame numbers of the sound with this mark among the frames written, in order.
std::vector<int> framesHeard(const QByteArray &written, int mark)
{
    std::vector<int> heard;
    for (qsizetype at = 0; at + 4 <= written.size(); at += 4) {
        const auto frame = qFromLittleEndian<qint32>(written.constData() + at) - mark;
        if (frame >= 0 && frame < MarksApart)
            heard.push_back(frame);
    }
    return heard;
}

// A sound that replaces another part-way starts at its own first sample, and a sound as long
// as the game's longest, a 15 s narration, is never taken for a stalled device: it plays to
// its last sample before its end is reported.
TEST_F(SdlSoundOutputOnAPipe, aSoundPlaysWholeWhenItReplacesAnotherAndWhenLong)
{
    listen();
    output->play(markedWave(2 * Rate, First));
    ASSERT_TRUE(readUntil([&] { return !framesHeard(written, First).empty(); }, 3s));
    constexpr int Frames = 15 * Rate;
    bool ended = false;
    output->play(markedWave(Frames, Second), [&ended] { ended = true; });
    ASSERT_TRUE(readUntil([&] { return ended; }, 20s));
    // What the device took before the end was reported is still in the pipe.
    readUntil([] { return false; }, 1s, 4);
    const std::vector<int> numbers = framesHeard(written, Second);
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.front(), 0) << "the replacing sound starts at its beginning";
    EXPECT_EQ(numbers.back(), Frames - 1) << "the long sound plays to its end";
    EXPECT_EQ(numbers.size(), std::size_t{Frames});
}

// The device opens on a thread of its own while the window is being made: the narration,
// asked for before, plays whole once the device is open.
TEST_F(SdlSoundOutputOnAPipe, aSoundAskedForBeforeTheDeviceOpensPlaysOnceItIs)
{
    bool ended = false;
    output->play(markedWave(Rate / 4, First), [&ended] { ended = true; });
    // A device can take a while to open.
    std::this_thread::sleep_for(200ms);
    listen();
    ASSERT_TRUE(readUntil([&] { return ended; }, 3s));
    readUntil([] { return false; }, 300ms, 4);
    EXPECT_EQ(framesHeard(written, First).size(), std::size_t{Rate / 4});
}

// The loudest of the 16-bit samples written.
int loudestSample(const QByteArray &written)
{
    int loudest = 0;
    for (qsizetype at = 0; at + 1 < written.size(); at += 2)
        loudest = std::max(loudest, std::abs(qFromLittleEndian<qint16>(written.constData() + at)));
    return loudest;
}

// The volume scales every sample on its way to the device, and none is silence.
TEST_F(SdlSoundOutputOnAPipe, theVolumeScalesEverySampleAndNoVolumeIsSilence)
{
    listen();
    std::vector<int> loudest;
    for (const double gain : {1.0, 0.5, 0.0}) {
        output->setVolume(gain);
        bool ended = false;
        output->play(toneWave(0.3), [&ended] { ended = true; });
        ASSERT_TRUE(readUntil([&] { return ended; }, 3s)) << gain;
        // What the device took before the end was reported is still in the pipe.
        readUntil([] { return false; }, 300ms, 4);
        loudest.push_back(loudestSample(written));
        // A read may end inside a frame: keep its start so the next samples stay aligned.
        written.remove(0, written.size() - written.size() % 4);
    }
    // The tone's 8-bit amplitude of 38 is 38 * 256 in 16 bits.
    EXPECT_EQ(loudest[0], 38 * 256);
    EXPECT_NEAR(loudest[1], loudest[0] / 2, 2);
    EXPECT_EQ(loudest[2], 0);
}

// Last: the stalled device it leaves behind never ends.
// A device that stops taking samples: a pipe nobody reads.
TEST_F(SdlSoundOutputOnAPipe, aStalledDeviceHoldsTheEndOfTheGameHalfASecondAtMost)
{
    listen();
    // The sound counts as ended a moment after its length, whatever the device took of it.
    const auto held = heldFor(*output, toneWave(0.5));
    ASSERT_TRUE(held);
    EXPECT_LT(*held, 1500ms);
    output->play(toneWave(5.0));
    std::this_thread::sleep_for(300ms);
    EXPECT_LT(timed([&] { output.reset(); }), 700ms);
}

#endif

} // namespace
