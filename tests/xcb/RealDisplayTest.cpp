// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DevicePipe.h"
#include "PingProbe.h"
#include "QtPlatform.h"
#include "XDriver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

// The real program on a real X display, an Xvfb of the test's own, driven from outside as a
// child and a window manager would: the screen is read back from the X server, the window is
// pinged and closed with the messages a window manager sends, and the sound is read from
// SDL's disk driver at the device's pace. Offscreen drawing is synchronous and cannot show
// what reaches the display when.

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Where things stand in the game's window, in its pixels at design size.
constexpr int SpinnerX = 572, SpinnerY = 68;
constexpr int SceneX = 260, SceneY = 260;
// The poem's title, on the board above the scene's place.
constexpr int TitleX = 100, TitleY = 80, TitleWidth = 217, TitleHeight = 25;

// A seed whose first spin shows five: the kitten walks from square 1 onto the first poem.
unsigned seedForAFirstSpinOfFive()
{
    for (unsigned seed = 1;; ++seed) {
        QtPlatform platform(seed);
        if (randomBelow(platform, 6) + 1 == 5)
            return seed;
    }
}

// An X server of the test's own, on a display number it picks itself.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1024x768x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                       QStringLiteral("-noreset")});
        if (server_.waitForReadyRead(10000))
            name_ = QStringLiteral(":") + QString::fromLatin1(server_.readLine()).trimmed();
        qputenv("DISPLAY", name_.toLatin1());
    }
    ~VirtualDisplay()
    {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    bool isUp() const { return name_.size() > 1; }
    const QString &name() const { return name_; }

private:
    QProcess server_;
    QString name_;
};

// The game, started with its sound going into a pipe the test reads.
class Game {
public:
    Game(const QString &display, const QString &runtimeFolder, const std::string &soundPipe)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
        environment.insert(QStringLiteral("SDL_DISKAUDIOFILE"), QString::fromStdString(soundPipe));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        // No session bus, and no looking for one.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=/nonexistent"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        // The game's record goes to the test's own folder, never the machine user's.
        process_.start(QStringLiteral(HK_PROGRAM),
                       {QStringLiteral("--seed"), QString::number(seedForAFirstSpinOfFive()),
                        QStringLiteral("--data-dir"), runtimeFolder + QStringLiteral("/record")});
    }
    ~Game()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }
    // How long the game took to end, at most limit.
    std::optional<Clock::duration> endsWithin(Clock::duration limit)
    {
        const auto begin = Clock::now();
        const int ms = int(std::chrono::duration_cast<std::chrono::milliseconds>(limit).count());
        if (!process_.waitForFinished(ms))
            return std::nullopt;
        return Clock::now() - begin;
    }

private:
    QProcess process_;
};

// Whether the poem's title shows: black text on the board's blue, where otherwise only the
// board's blue is.
bool titleShows(XDriver &x, XWindow window)
{
    int dark = 0;
    for (std::uint32_t pixel : x.pixels(window, TitleX, TitleY, TitleWidth, TitleHeight)) {
        const int sum = int(pixel >> 16 & 0xff) + int(pixel >> 8 & 0xff) + int(pixel & 0xff);
        dark += sum < 300 ? 1 : 0;
    }
    return dark > 20;
}

// One run: the game started, its window on screen with the board painted, then a spin that
// walks the kitten onto the poem square.
class RealDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(display.isUp());
        runtime.emplace();
        QFile::setPermissions(runtime->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        pipe =
            std::make_unique<DevicePipe>(runtime->filePath(QStringLiteral("sound")).toStdString());
        game = startGame();
        window = x.waitForMappedWindow(20);
        ASSERT_NE(window, 0u);
        const auto begin = Clock::now();
        while (x.pixel(window, SceneX, SceneY) == 0 && Clock::now() - begin < 10s)
            std::this_thread::sleep_for(10ms);
    }
    std::unique_ptr<Game> startGame()
    {
        return std::make_unique<Game>(display.name(), runtime->path(), pipe->path());
    }
    void spinOntoThePoem() { x.click(window, SpinnerX, SpinnerY); }
    // Samples the title until it shows, at most limit; when it did.
    std::optional<Clock::time_point> untilTitleShows(Clock::duration limit)
    {
        const auto begin = Clock::now();
        while (Clock::now() - begin < limit) {
            if (titleShows(x, window))
                return Clock::now();
            std::this_thread::sleep_for(50ms);
        }
        return std::nullopt;
    }

    static inline VirtualDisplay display;
    XDriver x;
    std::optional<QTemporaryDir> runtime;
    std::unique_ptr<DevicePipe> pipe;
    std::unique_ptr<Game> game;
    XWindow window = 0;
};

// The poem is on the screen for as long as it is recited, and the window answers the
// desktop's pings at once throughout the announcement and the recitation.
TEST_F(RealDisplay, thePoemShowsWhileRecitedAndPingsAreAnswered)
{
    PingProbe ping(window, 50ms);
    spinOntoThePoem();
    const auto shown = untilTitleShows(15s);
    ASSERT_TRUE(shown) << "the poem never showed on the screen";
    // Sampled every 50 ms until the board has been back for a second.
    auto lastShown = *shown;
    while (Clock::now() - lastShown < 1s && Clock::now() - *shown < 30s) {
        if (titleShows(x, window))
            lastShown = Clock::now();
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_GT(lastShown - *shown, 8s);
    // The recitation ends with the poem on the screen, not before it and not long after.
    const auto recitationEnd = pipe->lastSound();
    EXPECT_GT(recitationEnd, lastShown - 700ms);
    EXPECT_LT(recitationEnd, lastShown + 300ms);
    // Answered at once: a machine busy with other work may hold a few answers up, but none as
    // long as a poem or an announcement would.
    EXPECT_LT(ping.waitAtShare(0.95), 100ms);
    EXPECT_LT(ping.longestWait(), 1s);
    EXPECT_GT(ping.answered(), 100);
}

// A second start brings the running game's window over the window covering it and leaves;
// closing the game in the middle of a poem ends it at once.
TEST_F(RealDisplay, aSecondStartRaisesTheGameAndCloseEndsItAtOnce)
{
    x.coverScreen(1024, 768);
    EXPECT_FALSE(x.isOnTop(window));
    auto second = startGame();
    EXPECT_TRUE(second->endsWithin(5s));
    const auto begin = Clock::now();
    while (!x.isOnTop(window) && Clock::now() - begin < 2s)
        std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(x.isOnTop(window));

    spinOntoThePoem();
    ASSERT_TRUE(untilTitleShows(15s));
    std::this_thread::sleep_for(2s);
    x.close(window);
    const auto ended = game->endsWithin(5s);
    ASSERT_TRUE(ended);
    EXPECT_LT(*ended, 500ms);
}

} // namespace
