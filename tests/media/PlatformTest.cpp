#include "Platform.h"
#include "QtPlatform.h"
#include "RecordingPlatform.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

namespace {

TEST(RandomBelow, MapsEachDrawToFloorOfDrawTimesNKeepingADrawThatRoundsUpToOneBelowN)
{
    const std::tuple<float, int, int> cases[] = {
        {0.0f, 6, 0}, {0.5f, 6, 3}, {0.1666f, 6, 0}, {0.1667f, 6, 1}, {0.99999994f, 6, 5},
        {1.0f, 2, 1},
    };
    for (const auto &[draw, n, expected] : cases) {
        RecordingPlatform platform;
        platform.scriptDraws({draw});
        EXPECT_EQ(randomBelow(platform, n), expected) << draw << " of " << n;
    }
}

TEST(QtPlatformSeam, NamesTheFolderOfTheRunningProgramWithoutTrailingSeparator)
{
    const QString folder = QtPlatform().programFolder();

    EXPECT_EQ(folder, QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
    EXPECT_FALSE(folder.endsWith(QLatin1Char('/')));
}

TEST(QtPlatformSeam, WaitBlocksTheCallerForAboutATenthOfASecond)
{
    QtPlatform platform;
    const auto begin = std::chrono::steady_clock::now();

    platform.wait100ms();

    EXPECT_GE(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(95));
}

} // namespace
