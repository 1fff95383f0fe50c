#include "Platform.h"
#include "QtPlatform.h"
#include "RecordingPlatform.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <chrono>
#include <cmath>

namespace {

TEST(RandomBelow, MapsEachDrawToFloorOfDrawTimesN)
{
    RecordingPlatform platform;
    platform.scriptDraws({0.0f, 0.5f, 0.1666f, 0.1667f, 0.99999994f});

    EXPECT_EQ(randomBelow(platform, 6), 0);
    EXPECT_EQ(randomBelow(platform, 6), 3);
    EXPECT_EQ(randomBelow(platform, 6), 0);
    EXPECT_EQ(randomBelow(platform, 6), 1);
    EXPECT_EQ(randomBelow(platform, 6), 5);
}

TEST(RandomBelow, KeepsADrawThatRoundsUpToOneBelowN)
{
    RecordingPlatform platform;
    platform.scriptDraws({1.0f});

    EXPECT_EQ(randomBelow(platform, 2), 1);
}

TEST(RandomBelow, ReturnsTheResultsATestScripted)
{
    RecordingPlatform platform;
    platform.scriptResults(6, {5, 0, 2});
    platform.scriptResults(2, {1, 0});

    EXPECT_EQ(randomBelow(platform, 6), 5);
    EXPECT_EQ(randomBelow(platform, 6), 0);
    EXPECT_EQ(randomBelow(platform, 6), 2);
    EXPECT_EQ(randomBelow(platform, 2), 1);
    EXPECT_EQ(randomBelow(platform, 2), 0);
}

TEST(RecordingPlatformSeam, FailsTheTestWhenTheGameDrawsMoreThanScripted)
{
    RecordingPlatform platform;
    platform.scriptDraws({0.25f});
    EXPECT_FLOAT_EQ(platform.randomUniform(), 0.25f);

    EXPECT_NONFATAL_FAILURE(platform.randomUniform(), "more random numbers");
}

TEST(RecordingPlatformSeam, RunsTheHookAndThePostedEventsWhenPendingEventsRun)
{
    RecordingPlatform platform;
    bool hookRan = false;
    bool postedRan = false;
    platform.duringPendingEvents = [&hookRan] { hookRan = true; };
    QMetaObject::invokeMethod(qApp, [&postedRan] { postedRan = true; }, Qt::QueuedConnection);

    platform.processPendingEvents();

    EXPECT_TRUE(hookRan);
    EXPECT_TRUE(postedRan);
    EXPECT_EQ(platform.pendingEventRuns, 1);
}

TEST(QtPlatformSeam, DrawsUniformNumbersFromZeroUpToButExcludingOne)
{
    QtPlatform platform;
    int low = 0;
    int high = 0;
    for (int i = 0; i < 2000; ++i) {
        const float r = platform.randomUniform();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        (r < 0.5f ? low : high) += 1;
    }
    EXPECT_GT(low, 800);
    EXPECT_GT(high, 800);
}

TEST(QtPlatformSeam, TwoPlatformsDrawDifferentSequences)
{
    QtPlatform first;
    QtPlatform second;
    int same = 0;
    for (int i = 0; i < 10; ++i)
        same += first.randomUniform() == second.randomUniform() ? 1 : 0;

    EXPECT_LT(same, 10);
}

TEST(QtPlatformSeam, NamesTheFolderOfTheRunningProgramWithoutTrailingSeparator)
{
    QtPlatform platform;
    const QString folder = platform.programFolder();

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
