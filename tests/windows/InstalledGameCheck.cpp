// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks a game started by someone else on the X display DISPLAY, as the Windows installer's
// test starts the installed game under Wine: its window shows the start screen with the board
// and the spinner exactly as START.png (the Linux program's start screen, at the same seed)
// has them, and it answers a window manager's pings. Then it plays a short game, pressing
// where a child would and waiting each time until the screen stays still: a spin onto a
// teaching stage, the bee, a spin onto a quiz, a caption; with LINUX_DIR, the board and the
// spinner must show after each press as they did when this ran on the Linux program, but for
// the edges of the text, which each system draws in its own way. Last, the window is asked to
// close as a window manager's close button asks. The window's pictures go into OUT_DIR,
// start.png and one for each press, for people to look at.
//   hk-installed-game-check START.png OUT_DIR SECONDS [LINUX_DIR]
// Ends with status 0 when all holds, 1 otherwise, saying why on standard error.

#include "PingProbe.h"
#include "XDriver.h"

#include <QImage>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The board (the ring of squares and the scene) and the spinner, in the game's design pixels.
constexpr QRect Board(0, 0, 520, 521);
constexpr QRect Spinner(525, 20, 95, 95);
constexpr QPoint SpinnerCentre(572, 68);
constexpr QPoint BeeCentre(404, 404);
constexpr QPoint FirstCaption(60, 200);

// How far a window manager or Wine may set the game's picture into its top-level window.
constexpr int MaxInset = 48;

struct Found {
    XWindow window = 0;
    QPoint origin;
};

int channelDistance(std::uint32_t a, std::uint32_t b)
{
    int most = 0;
    for (int shift : {0, 8, 16})
        most = std::max(most, std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)));
    return most;
}

// What the window shows at origin, as large as the reference, or a null image.
QImage grab(XDriver &x, XWindow window, QPoint origin, QSize size)
{
    const std::vector<std::uint32_t> shown =
        x.pixels(window, origin.x(), origin.y(), size.width(), size.height());
    if (shown.size() != std::size_t(size.width()) * size.height())
        return {};
    QImage image(size, QImage::Format_RGB32);
    for (int row = 0; row < size.height(); ++row) {
        for (int column = 0; column < size.width(); ++column)
            image.setPixel(column, row, shown[std::size_t(row) * size.width() + column]);
    }
    return image;
}

// The pixels of area that differ between two pictures of the game.
int differences(const QImage &shown, const QImage &reference, QRect area)
{
    if (shown.isNull() || reference.isNull())
        return area.width() * area.height();
    int count = 0;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        for (int column = area.left(); column <= area.right(); ++column)
            count += channelDistance(shown.pixel(column, row), reference.pixel(column, row)) > 2;
    }
    return count;
}

bool boardAndSpinnerMatch(const QImage &shown, const QImage &reference)
{
    return differences(shown, reference, Board) == 0 && differences(shown, reference, Spinner) == 0;
}

// Where in window the reference's top-left corner shows, if it does: the first rows of the
// board are looked for at every inset a frame may add.
std::optional<QPoint> originOf(XDriver &x, XWindow window, const QImage &reference)
{
    const XDriver::Size size = x.size(window);
    if (size.width < reference.width() || size.height < reference.height())
        return std::nullopt;
    constexpr int Rows = 8;
    const int width = std::min(size.width, Board.width() + MaxInset);
    const int height = std::min(size.height, Rows + MaxInset);
    const std::vector<std::uint32_t> corner = x.pixels(window, 0, 0, width, height);
    if (corner.size() != std::size_t(width) * height)
        return std::nullopt;
    const auto matchesAt = [&](int dx, int dy) {
        for (int row = 0; row < Rows; ++row) {
            for (int column = 0; column < Board.width(); ++column) {
                const std::uint32_t expected = reference.pixel(column, row) & 0xffffff;
                const std::uint32_t shown = corner[std::size_t(dy + row) * width + dx + column];
                if (channelDistance(shown, expected) > 2)
                    return false;
            }
        }
        return true;
    };
    for (int dy = 0; dy + Rows <= height; ++dy) {
        for (int dx = 0; dx + Board.width() <= width; ++dx) {
            if (matchesAt(dx, dy))
                return QPoint(dx, dy);
        }
    }
    return std::nullopt;
}

// Waits for a mapped window that shows the reference's board and spinner.
std::optional<Found> findGame(XDriver &x, const QImage &reference, Clock::time_point deadline)
{
    std::vector<XWindow> windows;
    while (Clock::now() < deadline) {
        if (const XWindow mapped = x.waitForMappedWindow(0.2))
            windows.push_back(mapped);
        for (XWindow window : windows) {
            const std::optional<QPoint> origin = originOf(x, window, reference);
            if (origin &&
                boardAndSpinnerMatch(grab(x, window, *origin, reference.size()), reference))
                return Found{window, *origin};
        }
    }
    for (XWindow window : windows) {
        const XDriver::Size size = x.size(window);
        std::fprintf(stderr, "a window of %dx%d does not show the start screen\n", size.width,
                     size.height);
    }
    return std::nullopt;
}

// The window's picture once it has stayed the same for three seconds, at most a minute.
QImage whenStill(XDriver &x, const Found &game, QSize size)
{
    QImage last = grab(x, game.window, game.origin, size);
    auto since = Clock::now();
    const auto begin = since;
    while (Clock::now() - since < 3s && Clock::now() - begin < 60s) {
        std::this_thread::sleep_for(250ms);
        QImage now = grab(x, game.window, game.origin, size);
        if (now != last) {
            last = now;
            since = Clock::now();
        }
    }
    return last;
}

bool answersPings(const Found &game)
{
    PingProbe ping(game.window, 100ms);
    std::this_thread::sleep_for(2s);
    std::printf("pings answered: %d, longest wait %lld ms\n", ping.answered(),
                static_cast<long long>(ping.longestWait().count()));
    return ping.answered() >= 10 && ping.longestWait() < 1s;
}

// One press of the short game both programs play, and the picture it is compared by.
struct Step {
    const char *picture;
    QPoint press;
    // Whether the screen must then be Linux's; else it must only have changed.
    bool asOnLinux;
};

// Spins onto a teaching square, leaves it by the bee, spins on to a quiz, answers its first
// word with the first caption and lets the verdict play: a spin, walks, a teaching stage and
// a quiz, pressed at the same places on both systems. Which word the quiz asks first can
// differ between two runs of a seed, so the verdict need only take the quiz away.
const Step ShortGame[] = {
    {"after-spin", SpinnerCentre, true},
    {"after-bee", BeeCentre, true},
    {"second-spin", SpinnerCentre, true},
    {"quiz-answered", FirstCaption, false},
};

// How many pixels of the board and the spinner differ between two pictures of the window.
int boardDifferences(const QImage &one, const QImage &other)
{
    return differences(one, other, Board) + differences(one, other, Spinner);
}

// The text is drawn by FreeType on Linux and by GDI on Windows, so the captions' edges differ
// by a few pixels; a wrong square, stage, picture or word differs by thousands.
constexpr int Allowed = (Board.width() * Board.height() + Spinner.width() * Spinner.height()) / 50;

// Presses at step's place, lets the game play until the screen stays still, and compares
// with the Linux run's picture when there is one, or with the picture before the press.
bool playsTheStep(XDriver &x, const Found &game, QImage &shown, const QString &out,
                  const QString &linuxRun, const Step &step)
{
    x.click(game.window, game.origin.x() + step.press.x(), game.origin.y() + step.press.y());
    const QImage before = shown;
    shown = whenStill(x, game, shown.size());
    const QString name = QString::fromLatin1(step.picture) + QStringLiteral(".png");
    shown.save(out + QLatin1Char('/') + name, "PNG");
    if (!step.asOnLinux) {
        const int changed = boardDifferences(shown, before);
        std::printf("%s: %d pixels of the board and the spinner changed\n", step.picture, changed);
        return changed > Allowed;
    }
    if (linuxRun.isEmpty())
        return true;
    const int differing = boardDifferences(shown, QImage(linuxRun + QLatin1Char('/') + name));
    std::printf("%s: %d pixels of the board and the spinner differ from Linux (at most %d may, "
                "for the text's edges)\n",
                step.picture, differing, Allowed);
    return differing <= Allowed;
}

bool playsTheShortGame(XDriver &x, const Found &game, QImage start, const QString &out,
                       const QString &linuxRun)
{
    for (const Step &step : ShortGame) {
        if (!playsTheStep(x, game, start, out, linuxRun, step))
            return false;
    }
    return true;
}

// Windows' own programs outlive an X error on a window Wine has just destroyed; so does this.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s START.png OUT_DIR SECONDS [LINUX_DIR]\n", argv[0]);
        return 2;
    }
    const QImage start(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString linuxRun = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (start.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XDriver x;
    const auto deadline = Clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    const std::optional<Found> game = findGame(x, start, deadline);
    if (!game) {
        std::fprintf(stderr, "the start screen's board and spinner never showed\n");
        return 1;
    }
    std::printf("the start screen shows at (%d, %d) of window 0x%lx, board and spinner as on "
                "Linux\n",
                game->origin.x(), game->origin.y(), game->window);
    grab(x, game->window, game->origin, start.size()).save(out + QStringLiteral("/start.png"));
    const bool answered = answersPings(*game);
    const bool played = playsTheShortGame(
        x, *game, grab(x, game->window, game->origin, start.size()), out, linuxRun);
    x.close(game->window);
    if (!answered)
        std::fprintf(stderr, "the window did not answer its pings\n");
    return answered && played ? 0 : 1;
}
