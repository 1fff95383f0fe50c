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

TEST(QtPlatformSeam, DrawsUniformNumbersFromZeroUpToOneDifferentlyOnEachPlatform)
{
    QtPlatform platform;
    QtPlatform other;
    int low = 0;
    int high = 0;
    int same = 0;
    for (int i = 0; i < 2000; ++i) {
        const float r = platform.randomUniform();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        (r < 0.5f ? low : high) += 1;
        same += r == other.randomUniform() ? 1 : 0;
    }
    EXPECT_GT(low, 800);
    EXPECT_GT(high, 800);
    EXPECT_LT(same, 20);
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
