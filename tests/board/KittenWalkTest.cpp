#include "GameFixture.h"

#include <vector>

namespace {

// The walk alone: entering a square is recorded instead of run.
class KittenWalk : public GameFixture {
protected:
    KittenWalk()
    {
        form.board().setFlow(
            [this] {
                enteredOn.push_back(state.catPos);
                timer2RunningAtEntry = controls.Timer2->isActive();
            },
            nullptr);
    }

    void walkFrom(int square, int stepsLeft, int direction = 1)
    {
        enteredOn.clear();
        placeKitten(square);
        platform.output.clear();
        beginWalk(stepsLeft, direction);
    }

    QImage iconOf(int square) const
    {
        return rgb32(Resources::bitmap(100 + state.squareTable[square][0]));
    }
    QImage standingOn(int square) const { return kittenOver(iconOf(square), 105, 106); }

    std::vector<int> enteredOn;
    bool timer2RunningAtEntry = true;
};

TEST_F(KittenWalk, everyLengthEntersItsSquareOnTheTickAfterItsLastStep)
{
    struct Walk {
        int from, stepsLeft, direction, to;
    };
    const Walk walks[] = {{2, 0, 1, 3}, {2, 1, 1, 4},  {2, 2, 1, 5}, {2, 3, 1, 6},
                          {2, 4, 1, 7}, {2, 5, 1, 8},  {7, 2, -1, 4}};
    for (const Walk &walk : walks) {
        SCOPED_TRACE(testing::Message() << walk.from << " + " << walk.direction << " x "
                                        << walk.stepsLeft + 1);
        walkFrom(walk.from, walk.stepsLeft, walk.direction);

        EXPECT_EQ(walkUntilStopped(), 2 * (walk.stepsLeft + 1) + 1);
        EXPECT_EQ(enteredOn, std::vector<int>{walk.to});
        EXPECT_FALSE(timer2RunningAtEntry);
        EXPECT_EQ(platform.output.played,
                  std::vector<PlayedSound>(walk.stepsLeft + 1, {102, PlayMode::Async, {}}));
        EXPECT_EQ(state.walkPhase, 0);
        EXPECT_EQ(boardRegion(cellOf(walk.from)), iconOf(walk.from));
        EXPECT_EQ(boardRegion(cellOf(walk.to)), standingOn(walk.to));
    }
}

TEST_F(KittenWalk, tickWhileASpinResultWaitsChangesNothing)
{
    walkFrom(5, 3);
    state.turnState = QStringLiteral("playturn");
    const QImage before = controls.Pic1->canvas();

    form.board().Timer2_Timer();
    form.board().Timer2_Timer();

    EXPECT_EQ(state.catPos, 5);
    EXPECT_EQ(state.stepsLeft, 3);
    EXPECT_EQ(controls.Pic1->canvas(), before);
    EXPECT_TRUE(platform.output.played.empty());
    EXPECT_TRUE(controls.Timer2->isActive());
}

} // namespace
