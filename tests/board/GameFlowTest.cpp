#include "GameFixture.h"
#include "PictureBox.h"
#include "Spinner.h"

#include <vector>

namespace {

class GameFlow : public GameFixture {
protected:
    // A click on the armed spinner drawing result (0..5), then maybe the turn start.
    void spin(int result)
    {
        state.canSpin = true;
        platform.scriptResults(6, {result});
        clickOn(controls.PicTurn);
    }
    void spinAndStartWalk(int result)
    {
        spin(result);
        form.spinner().Timer1_Timer();
    }

    static std::vector<PlayedSound> async(const std::vector<int> &ids)
    {
        std::vector<PlayedSound> sounds;
        for (int id : ids)
            sounds.push_back({id, PlayMode::Async, {}});
        return sounds;
    }
};

TEST_F(GameFlow, spinWalkAndEntryFollowEachOtherFromTheFirstClick)
{
    spinAndStartWalk(4);
    EXPECT_EQ(walkUntilStopped(), 11);
    EXPECT_EQ(state.catPos, 6);
    EXPECT_EQ(platform.output.ids(), (std::vector<int>{101, 102, 102, 102, 102, 102, 111, 301}));
    EXPECT_EQ(state.stageState, "playstory");
    EXPECT_TRUE(state.canSpin);
}

TEST_F(GameFlow, sixFromSquareFortyEndsTheLevelOnTheFourthStepAndArmsTheSpinnerAfterTheBoard)
{
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        startLevelOn(level, 40);
        state.stageState = QStringLiteral("playword");
        spinAndStartWalk(5);
        platform.output.clear();
        std::vector<bool> armedWhileLoading;
        platform.duringPendingEvents = [&] {
            armedWhileLoading.push_back(state.canSpin);
            EXPECT_NE(scene(), rgb32(Resources::bitmap(121 + level)));
            postClickOn(controls.PicTurn);
        };

        EXPECT_EQ(walkUntilStopped(), 8);
        platform.duringPendingEvents = nullptr;

        EXPECT_EQ(armedWhileLoading, std::vector<bool>{false});
        EXPECT_EQ(state.level, level + 1);
        EXPECT_EQ(state.catPos, 1);
        EXPECT_EQ(state.stageState, "whatdo");
        EXPECT_TRUE(state.canSpin);
        EXPECT_FALSE(controls.Timer1->isActive());
        EXPECT_TRUE(faceIs(115));
        EXPECT_EQ(platform.output.played, async({102, 102, 102, 121 + level}));
        EXPECT_EQ(scene(), rgb32(Resources::bitmap(121 + level)));
        EXPECT_EQ(boardRegion(cellOf(1)), kittenOver(Resources::bitmap(104), 105, 106));
    }
}

TEST_F(GameFlow, passingTheLastSquareOfLevelThreeShowsTheEndSceneAndLeavesEveryClickDead)
{
    startLevelOn(3, 43);
    state.stageState = QStringLiteral("playexam");
    beginWalk(0);

    EXPECT_EQ(walkUntilStopped(), 2);
    EXPECT_EQ(state.level, 4);
    EXPECT_EQ(state.stageState, "whatdo");
    EXPECT_FALSE(state.canSpin);
    EXPECT_EQ(platform.output.played, async({124}));
    EXPECT_EQ(scene(), rgb32(Resources::bitmap(124)));
    for (int square = 1; square <= 43; ++square)
        EXPECT_EQ(boardRegion(cellOf(square)), blank(40)) << square;

    const QImage endBoard = controls.Pic1->canvas();
    const QImage face = controls.PicTurn->picture();
    clickOn(controls.PicTurn);
    clickOn(controls.Pic1);
    EXPECT_EQ(platform.output.played.size(), 1u);
    EXPECT_EQ(controls.Pic1->canvas(), endBoard);
    EXPECT_EQ(controls.PicTurn->picture(), face);
    EXPECT_FALSE(controls.Timer1->isActive());
}

TEST_F(GameFlow, aBoardClickBeforeAnyStagePlaysTheStepFileReloadsTheLevelAndArmsTheSpinner)
{
    placeKitten(9);
    platform.output.clear();
    state.canSpin = false;
    state.stepsLeft = 3;
    state.squareTable[5][0] = 0;
    controls.Pic1->clear();

    clickOn(controls.Pic1);

    const QString stepFile = platform.folder + "/wav/step.wav";
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{-1, PlayMode::Async, stepFile},
                                                                {121, PlayMode::Async, {}}}));
    EXPECT_EQ(state.soundFile, stepFile);
    EXPECT_EQ(state.squareTable[5][0], 2);
    EXPECT_EQ(scene(), rgb32(Resources::bitmap(121)));
    EXPECT_EQ(boardRegion(cellOf(5)), rgb32(Resources::bitmap(102)));
    EXPECT_EQ(boardRegion(cellOf(9)), kittenOver(Resources::bitmap(102), 105, 106));
    EXPECT_EQ(state.stepsLeft, 0);
    EXPECT_TRUE(state.canSpin);
}

TEST_F(GameFlow, aBoardClickDoesNothingOnceAStageHasOpenedInTheLevelOrAfterTheLastLevel)
{
    const std::pair<int, const char *> situations[] = {
        {1, "playstory"}, {1, "playword"}, {1, "playexam"}, {4, "whatdo"}};
    for (const auto &[level, stage] : situations) {
        SCOPED_TRACE(stage);
        state.level = static_cast<int16_t>(level);
        state.stageState = QString::fromLatin1(stage);
        state.canSpin = false;
        state.stepsLeft = 3;
        controls.Pic1->clear();

        clickOn(controls.Pic1);

        EXPECT_TRUE(platform.output.played.empty());
        EXPECT_FALSE(state.canSpin);
        EXPECT_EQ(state.stepsLeft, 3);
        EXPECT_EQ(scene(), blank(300));
    }
}

TEST_F(GameFlow, aBoardClickAfterASpinCutsTheLevelsFirstWalkShortToOneMoreSquare)
{
    // A six is drawn, but the walk stops on poem square 6 whether the click comes before the
    // turn start (0 ticks) or meets either half-step of the walk.
    for (int ticksBeforeClick : {0, 1, 2}) {
        SCOPED_TRACE(ticksBeforeClick);
        startLevelOn(1, ticksBeforeClick == 2 ? 4 : 5);
        state.stageState = QStringLiteral("whatdo");
        spin(5);
        if (ticksBeforeClick > 0)
            form.spinner().Timer1_Timer();
        for (int tick = 0; tick < ticksBeforeClick; ++tick)
            form.board().Timer2_Timer();

        clickOn(controls.Pic1);
        EXPECT_EQ(state.stepsLeft, 0);
        EXPECT_TRUE(state.canSpin);
        EXPECT_TRUE(faceIs(115));

        if (ticksBeforeClick == 0)
            form.spinner().Timer1_Timer();
        EXPECT_EQ(walkUntilStopped(), ticksBeforeClick == 1 ? 2 : 3);
        EXPECT_EQ(state.catPos, 6);
        EXPECT_EQ(state.stageState, "playstory");
    }
}

} // namespace
