#include "GameFixture.h"

#include <vector>

namespace {

// The walk alone: entering a square and ending the level are recorded instead of run.
class KittenWalk : public GameFixture {
protected:
    KittenWalk()
    {
        form.board().setFlow(
            [this] {
                enteredOn.push_back(state.catPos);
                timer2RunningAtEntry = controls.Timer2->isActive();
            },
            [this] { ++levelEnds; });
    }

    QImage iconOf(int square) const
    {
        return rgb32(Resources::bitmap(100 + state.squareTable[square][0]));
    }
    QImage standingOn(int square) const { return kittenOver(iconOf(square), 105, 106); }
    QImage walkingOn(int square) const { return kittenOver(iconOf(square), 107, 108); }

    std::vector<int> enteredOn;
    bool timer2RunningAtEntry = true;
    int levelEnds = 0;
};

TEST_F(KittenWalk, everyLengthEntersItsSquareOnTheTickAfterItsLastStep)
{
    for (int stepsLeft = 0; stepsLeft <= 5; ++stepsLeft) {
        SCOPED_TRACE(stepsLeft);
        enteredOn.clear();
        placeKitten(2);
        platform.output.clear();
        beginWalk(stepsLeft);

        EXPECT_EQ(walkUntilStopped(), 2 * (stepsLeft + 1) + 1);
        EXPECT_EQ(enteredOn, std::vector<int>{2 + stepsLeft + 1});
        EXPECT_FALSE(timer2RunningAtEntry);
        EXPECT_EQ(platform.output.played,
                  std::vector<PlayedSound>(stepsLeft + 1, {102, PlayMode::Async, {}}));
        EXPECT_EQ(state.walkPhase, 0);
    }
}

TEST_F(KittenWalk, showsTheWalkingPoseOnTheOldSquareThenStandsOnTheNextWithAStepSound)
{
    placeKitten(2);
    platform.output.clear();
    beginWalk(1);

    form.board().Timer2_Timer();
    EXPECT_EQ(state.catPos, 2);
    EXPECT_EQ(state.walkPhase, 1);
    EXPECT_EQ(boardRegion(cellOf(2)), walkingOn(2));
    EXPECT_TRUE(platform.output.played.empty());

    form.board().Timer2_Timer();
    EXPECT_EQ(state.catPos, 3);
    EXPECT_EQ(state.walkPhase, 0);
    EXPECT_EQ(state.stepsLeft, 0);
    EXPECT_EQ(boardRegion(cellOf(2)), iconOf(2));
    EXPECT_EQ(boardRegion(cellOf(3)), standingOn(3));
    EXPECT_EQ(boardRegion({110, 110, 300, 300}), rgb32(Resources::bitmap(121)));
    EXPECT_EQ(platform.output.ids(), std::vector<int>{102});
}

TEST_F(KittenWalk, backwardWalkOfThreeFromSevenEntersSquareFour)
{
    placeKitten(7);
    beginWalk(2, -1);
    EXPECT_EQ(walkUntilStopped(), 7);
    EXPECT_EQ(enteredOn, std::vector<int>{4});
    EXPECT_EQ(boardRegion(cellOf(4)), standingOn(4));
    EXPECT_EQ(boardRegion(cellOf(7)), iconOf(7));
}

TEST_F(KittenWalk, tickWhileASpinResultWaitsChangesNothing)
{
    placeKitten(5);
    beginWalk(3);
    state.turnState = QStringLiteral("playturn");
    platform.output.clear();
    const QImage before = controls.Pic1->canvas();

    form.board().Timer2_Timer();
    form.board().Timer2_Timer();

    EXPECT_EQ(state.catPos, 5);
    EXPECT_EQ(state.stepsLeft, 3);
    EXPECT_EQ(state.walkPhase, 0);
    EXPECT_EQ(controls.Pic1->canvas(), before);
    EXPECT_TRUE(platform.output.played.empty());
    EXPECT_TRUE(controls.Timer2->isActive());
}

TEST_F(KittenWalk, stepPastTheLastSquareEndsTheLevelAtOnceWithoutEnteringOrStepSound)
{
    placeKitten(42);
    platform.output.clear();
    beginWalk(3);

    EXPECT_EQ(walkUntilStopped(), 4);
    EXPECT_EQ(levelEnds, 1);
    EXPECT_TRUE(enteredOn.empty());
    EXPECT_EQ(state.level, 2);
    EXPECT_EQ(state.catPos, 1);
    EXPECT_EQ(state.stepsLeft, 0);
    EXPECT_EQ(state.walkPhase, 0);
    EXPECT_FALSE(state.canSpin);
    EXPECT_FALSE(controls.Timer2->isActive());
    EXPECT_EQ(platform.output.ids(), std::vector<int>{102});
}

TEST_F(KittenWalk, isDrivenByTheWalkingTimer)
{
    controls.Timer2->setInterval(0);
    placeKitten(2);
    beginWalk(0);
    for (int run = 0; run < 1000 && controls.Timer2->isActive(); ++run)
        QCoreApplication::processEvents();
    EXPECT_EQ(enteredOn, std::vector<int>{3});
}

} // namespace
