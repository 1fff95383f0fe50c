// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

struct Chance {
    int level;
    int square;
    int draw; // 0: the caterpillar, 1: the bee
    BitmapId scene;
    SoundId story;
    int reached;
};

class ChanceSquare : public GameFixture, public ::testing::WithParamInterface<Chance> {};

TEST_P(ChanceSquare, showsTheCreatureTellsItsStoryThenTheKittenWalksOnItsOwn)
{
    const Chance c = GetParam();
    platform.scriptResults(2, {c.draw});
    platform.draws.insert(platform.draws.end(), 8, 0.0f); // for a quiz where it lands
    enter(c.level, SquareKind::Chance, content().square(c.level, c.square).index);
    // The creature is on screen before its story starts.
    EXPECT_EQ(journal.entries, (QStringList{QStringLiteral("scene %1").arg(c.scene.number), "shown",
                                            QStringLiteral("sound %1 held").arg(c.story.number)}));
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
    platform.output.endHeldSound();
    walkUntilStopped();
    EXPECT_EQ(record.kittenSquare, c.reached);
    EXPECT_EQ(record.level, c.reached == 1 ? c.level + 1 : c.level);
}

INSTANTIATE_TEST_SUITE_P(
    BackAndForward, ChanceSquare,
    ::testing::Values(Chance{1, 7, 0, Bitmap::CaterpillarScene, Sound::CaterpillarStory, 4},
                      Chance{2, 9, 1, Bitmap::BeeScene, Sound::BeeStory, 13},
                      // Four forward from square 42 passes the last square: the level ends.
                      Chance{1, 42, 1, Bitmap::BeeScene, Sound::BeeStory, 1}),
    [](const auto &test) { return "Square" + std::to_string(test.param.square); });

} // namespace
