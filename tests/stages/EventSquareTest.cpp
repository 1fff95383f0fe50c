#include "GameFixture.h"
#include "PictureBox.h"
#include "Stages.h"

#include <vector>

namespace {

// The chance square on its own: the square its walk enters and a level end are recorded
// instead of run.
class ChanceSquare : public GameFixture {
protected:
    ChanceSquare()
    {
        form.board().setFlow([this] { enteredOn.push_back(state.catPos); },
                             [this] { ++levelEnds; });
    }

    // The kitten has just walked onto square of level, as the dispatch leaves it.
    void arriveOn(int level, int square)
    {
        startLevelOn(level, square);
        enteredOn.clear(), levelEnds = 0;
        state.turnState = QStringLiteral("gostep");
        state.canSpin = false;
    }

    // The chance square draws creature: 0 the caterpillar, 1 the bee.
    void meet(int creature)
    {
        platform.scriptResults(2, {creature});
        form.stages().runEventSquare();
        walkUntilStopped();
    }

    std::vector<int> enteredOn;
    int levelEnds = 0;
};

TEST_F(ChanceSquare, creatureIsShownBeforeItsSoundThenWalksTheKittenThreeBackOrFourForward)
{
    struct Outcome {
        int creature, sound, stepsLeft, direction, ticksAfterTheFirst, enters;
    };
    for (const Outcome &o : {Outcome{0, 103, 2, -1, 6, 10}, Outcome{1, 104, 3, 1, 8, 17}}) {
        SCOPED_TRACE(o.creature);
        arriveOn(1, 13);
        state.stageState = QStringLiteral("playword");
        const QImage creature = rgb32(Resources::bitmap(131 + o.creature));
        std::vector<bool> shownBeforeSound;
        platform.duringPendingEvents = [&] {
            shownBeforeSound.push_back(scene() == creature && platform.output.played.empty());
        };
        bool walkingDuringSound = true;
        platform.output.duringSyncPlay = [&](int) {
            walkingDuringSound = controls.Timer2->isActive();
        };

        platform.scriptResults(2, {o.creature});
        form.stages().runEventSquare();
        EXPECT_EQ(shownBeforeSound, std::vector<bool>{true});
        EXPECT_FALSE(walkingDuringSound);
        EXPECT_EQ(platform.output.played,
                  (std::vector<PlayedSound>{{o.sound, PlayMode::Sync, {}}}));
        EXPECT_EQ(state.stepsLeft, o.stepsLeft);
        EXPECT_EQ(state.stepDir, o.direction);
        EXPECT_TRUE(controls.Timer2->isActive());
        EXPECT_EQ(state.stageState, "playword");
        EXPECT_FALSE(state.canSpin);

        // The creature stays until the first step repaints the board.
        form.board().Timer2_Timer();
        EXPECT_EQ(scene(), creature);
        EXPECT_EQ(walkUntilStopped(), o.ticksAfterTheFirst);
        EXPECT_EQ(enteredOn, std::vector<int>{o.enters});
        EXPECT_EQ(scene(), rgb32(Resources::bitmap(121)));
        platform.duringPendingEvents = nullptr;
        platform.output.duringSyncPlay = nullptr;
    }
}

// Each chance square of each level, with where the caterpillar and the bee take the kitten;
// 0 means the bee walks past the last square and ends the level.
struct Reach {
    int level, square, back, forward;
};

const Reach ChanceSquares[] = {
    {1, 7, 4, 11}, {1, 13, 10, 17}, {1, 20, 17, 24}, {1, 32, 29, 36}, {1, 42, 39, 0},
    {2, 9, 6, 13}, {2, 15, 12, 19}, {2, 22, 19, 26}, {2, 32, 29, 36}, {2, 38, 35, 42},
    {3, 9, 6, 13}, {3, 14, 11, 18}, {3, 20, 17, 24}, {3, 29, 26, 33}, {3, 40, 37, 0},
};

TEST_F(ChanceSquare, reachesTheSquaresOfEachLevelOrEndsTheLevelPastTheLastSquare)
{
    for (const Reach &row : ChanceSquares) {
        SCOPED_TRACE(testing::Message() << "level " << row.level << " square " << row.square);
        arriveOn(row.level, row.square);
        meet(0);
        EXPECT_EQ(state.squareTable[row.square][0], 4);
        EXPECT_EQ(enteredOn, std::vector<int>{row.back});

        arriveOn(row.level, row.square);
        meet(1);
        if (row.forward == 0) {
            EXPECT_TRUE(enteredOn.empty());
            EXPECT_EQ(levelEnds, 1);
            EXPECT_EQ(state.level, row.level + 1);
        } else {
            EXPECT_EQ(enteredOn, std::vector<int>{row.forward});
            EXPECT_EQ(levelEnds, 0);
        }
    }
}

} // namespace
