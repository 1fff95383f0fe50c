// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Content.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

// The real program's start screen under Qt's own screen scaling (QT_SCALE_FACTOR, as a 2x
// monitor sets it), saved with --screenshot, against the start screen at scale 1 stretched to
// the same size: everything in its place, and the edges as crisp as at scale 1, which only
// pictures drawn for the finer scale give.

namespace {

// The start screen of the game run with QT_SCALE_FACTOR=scale, in the screen's pixels.
QImage startScreen(const QString &scale)
{
    static std::map<QString, QImage> taken;
    if (const auto found = taken.find(scale); found != taken.end())
        return found->second;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("start.png"));
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    // A screen large enough for the game at every scale, which would open smaller otherwise.
    environment.insert(
        QStringLiteral("QT_QPA_PLATFORM"),
        QStringLiteral("offscreen:configfile=" HK_SOURCE_DIR "/tests/window/large-screen.json"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    game.setProcessEnvironment(environment);
    // A record folder of its own, so the family's settings of the machine play no part.
    game.start(QStringLiteral(HK_PROGRAM),
               {QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--screenshot"), file,
                QStringLiteral("--data-dir"), folder.path()});
    EXPECT_TRUE(game.waitForFinished(60000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
    return taken[scale] = QImage(file).convertToFormat(QImage::Format_RGB32);
}

QRect scaled(const QRect &design, double scale)
{
    return {int(std::lround(design.x() * scale)), int(std::lround(design.y() * scale)),
            int(std::lround(design.width() * scale)), int(std::lround(design.height() * scale))};
}

// How far apart two pictures of one size look: the mean difference of their colour channels,
// 0 to 255.
double distance(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// The share of strong edges that are crisp. Along every row and column of area, each run of
// brightness rising (or falling) by at least a third of the range is an edge; it is crisp when
// at most one pixel lies in the middle 80% of its change. A picture stretched from fewer
// pixels spreads its edges over as many pixels as it was stretched, smoothly or, pixel by
// pixel, as runs of repeated in-between pixels, which count in the run.
double crispShare(const QImage &picture, const QRect &area)
{
    const QImage grey = picture.copy(area).convertToFormat(QImage::Format_Grayscale8);
    int edges = 0, crisp = 0;
    auto scan = [&](const std::function<int(int)> &value, int length) {
        for (int i = 0; i + 1 < length;) {
            const int sign = value(i + 1) > value(i) ? 1 : value(i + 1) < value(i) ? -1 : 0;
            if (sign == 0) {
                ++i;
                continue;
            }
            int end = i, flat = 0;
            while (end + 1 < length) {
                const int step = (value(end + 1) - value(end)) * sign;
                if (step < 0 || (step == 0 && ++flat > 2))
                    break;
                if (step > 0)
                    flat = 0;
                ++end;
            }
            while (end > i && value(end) == value(end - 1))
                --end;
            const int low = std::min(value(i), value(end)), high = std::max(value(i), value(end));
            if (high - low >= 85) {
                int inBetween = 0;
                for (int k = i; k <= end; ++k)
                    inBetween +=
                        value(k) > low + 0.1 * (high - low) && value(k) < high - 0.1 * (high - low);
                ++edges;
                crisp += inBetween <= 1;
            }
            i = end;
        }
    };
    for (int y = 0; y < grey.height(); ++y)
        scan([&](int x) { return int(grey.constScanLine(y)[x]); }, grey.width());
    for (int x = 0; x < grey.width(); ++x)
        scan([&](int y) { return int(grey.constScanLine(y)[x]); }, grey.height());
    return edges ? double(crisp) / edges : 0;
}

struct Region {
    const char *name;
    QRect area; // in design pixels
};

const Region regions[] = {
    {"scene", {110, 110, 300, 300}},
    {"spinner", {528, 24, 90, 90}},
    {"help button", {544, 376, 50, 35}},
    {"top row of squares", {20, 20, 480, 40}},
    {"left column of squares", {20, 60, 40, 400}},
    {"kitten", {20, 460, 40, 40}},
};

class ScreenScaling : public ::testing::TestWithParam<const char *> {
protected:
    QString scaleText() const { return QString::fromLatin1(GetParam()); }
    double scale() const { return scaleText().toDouble(); }
};

TEST_P(ScreenScaling, showsEverySquareAndTheKittenInItsPlaceAtTheScaledSize)
{
    const QImage designed = startScreen(QStringLiteral("1"));
    const QImage shown = startScreen(scaleText());
    ASSERT_EQ(designed.size(), QSize(625, 521));
    ASSERT_EQ(shown.size(),
              QSize(int(std::lround(625 * scale())), int(std::lround(521 * scale()))));
    // Each cell of the ring of squares, brought back to its design size, is the cell shown at
    // scale 1 (the icons of two kinds of square, or an icon and the kitten, are 30 or more
    // apart).
    const Content content = Content::builtIn();
    for (int square = 1; square <= Content::LastSquare; ++square) {
        const Cell cell = content.cellOf(square);
        const QRect area(40 * cell.column + 20, 40 * cell.row + 20, 40, 40);
        const QImage back =
            shown.copy(scaled(area, scale()))
                .scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(distance(back, designed.copy(area)), 12) << "square " << square;
    }
}

// A third of the crisp edges a stretched picture loses must be kept: the finer pictures keep
// nearly all (the scene's emoji, drawn from bitmaps of the emoji font, are softer at 3x).
TEST_P(ScreenScaling, hasItsEdgesAsCrispAsAtScaleOneWhereStretchingWouldBlurThem)
{
    const QImage designed = startScreen(QStringLiteral("1"));
    const QImage shown = startScreen(scaleText());
    const QImage smooth =
        designed.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Pixel by pixel, as Qt stretches a picture that has no finer variant; only a whole-number
    // scale stretches evenly.
    const bool whole = scale() == std::floor(scale());
    const QImage blocky =
        designed.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (const Region &region : regions) {
        const QRect area = scaled(region.area, scale());
        const double atOne = crispShare(designed, region.area);
        const double stretched =
            std::max(crispShare(smooth, area), whole ? crispShare(blocky, area) : 0.0);
        const double crisp = crispShare(shown, area);
        EXPECT_GE(crisp, stretched + (atOne - stretched) / 3)
            << region.name << ": crisp " << crisp << ", at scale 1 " << atOne << ", stretched "
            << stretched;
    }
}

INSTANTIATE_TEST_SUITE_P(OneAndAHalfTwoAndThree, ScreenScaling, ::testing::Values("1.5", "2", "3"),
                         [](const auto &scale) {
                             return QString::fromLatin1(scale.param)
                                 .replace(QLatin1Char('.'), QLatin1Char('_'))
                                 .prepend(QStringLiteral("scale"))
                                 .toStdString();
                         });

} // namespace
