#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

struct Chance {
    int level;
    int square;
    int draw; // 0: the caterpillar, 1: the bee
    int scene;
    int story;
    int reached;
};

class ChanceSquare : public GameFixture, public ::testing::WithParamInterface<Chance> {};

TEST_P(ChanceSquare, showsTheCreatureAndTellsItsStoryBeforeTheKittenWalksOnItsOwn)
{
    const Chance c = GetParam();
    standOn(c.level, c.square - 1);
    platform.scriptResults(2, {c.draw});
    platform.draws.insert(platform.draws.end(), 8, 0.0f); // for a quiz where it lands
    spinAndWalk(1);
    // The creature is on screen, and waiting input has run, before the story holds the thread.
    const qsizetype story = journal.indexOf(QStringLiteral("sound %1 sync").arg(c.story));
    ASSERT_GE(story, 0);
    EXPECT_EQ(journal.entries.mid(story - 3, 3),
              (QStringList{QStringLiteral("scene %1").arg(c.scene), "events", "stop"}));
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
