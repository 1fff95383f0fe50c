#include "GameFixture.h"
#include "PictureBox.h"
#include "Spinner.h"

#include <vector>

namespace {

class GameFlow : public GameFixture {
protected:
    // An armed spin that draws result (0..5) and the turn start one second later.
    void spinAndStartWalk(int result)
    {
        state.canSpin = true;
        platform.scriptResults(6, {result});
        clickOn(controls.PicTurn);
        form.spinner().Timer1_Timer();
    }

    bool faceIs(int bitmap) const
    {
        return controls.PicTurn->picture() == Resources::bitmap(bitmap);
    }
    // An area of size that holds nothing but the board colour.
    static QImage blank(int size)
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(BoardView::backgroundColour());
        return image;
    }
    QImage scene() const { return boardRegion({110, 110, 300, 300}); }
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
        std::vector<QImage> sceneWhileLoading;
        platform.duringPendingEvents = [&] {
            armedWhileLoading.push_back(state.canSpin);
            sceneWhileLoading.push_back(scene());
            postClickOn(controls.PicTurn);
        };

        EXPECT_EQ(walkUntilStopped(), 8);
        platform.duringPendingEvents = nullptr;

        EXPECT_EQ(armedWhileLoading, std::vector<bool>{false});
        ASSERT_EQ(sceneWhileLoading.size(), 1u);
        EXPECT_NE(sceneWhileLoading.front(), rgb32(Resources::bitmap(121 + level)));
        EXPECT_EQ(state.level, level + 1);
        EXPECT_EQ(state.catPos, 1);
        EXPECT_EQ(state.stageState, "whatdo");
        EXPECT_TRUE(state.canSpin);
        EXPECT_FALSE(controls.Timer2->isActive());
        EXPECT_FALSE(controls.Timer1->isActive());
        EXPECT_TRUE(faceIs(115));
        EXPECT_EQ(platform.output.played,
                  (std::vector<PlayedSound>{{102, PlayMode::Async, {}},
                                            {102, PlayMode::Async, {}},
                                            {102, PlayMode::Async, {}},
                                            {121 + level, PlayMode::Async, {}}}));
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
    EXPECT_FALSE(controls.Timer2->isActive());
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{124, PlayMode::Async, {}}}));
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
    EXPECT_FALSE(state.canSpin);
    EXPECT_FALSE(controls.Timer1->isActive());
}

TEST_F(GameFlow, eventSquareReachedByASpinCanCarryTheKittenIntoTheNextLevel)
{
    startLevelOn(1, 38);
    spinAndStartWalk(3);
    platform.scriptResults(2, {1});
    walkUntilStopped();

    EXPECT_EQ(state.level, 2);
    EXPECT_EQ(state.catPos, 1);
    EXPECT_TRUE(state.canSpin);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{101, PlayMode::Async, {}},
                                                                {102, PlayMode::Async, {}},
                                                                {102, PlayMode::Async, {}},
                                                                {102, PlayMode::Async, {}},
                                                                {102, PlayMode::Async, {}},
                                                                {114, PlayMode::Sync, {}},
                                                                {104, PlayMode::Sync, {}},
                                                                {102, PlayMode::Async, {}},
                                                                {122, PlayMode::Async, {}}}));
}

class BoardClick : public GameFlow {};

TEST_F(BoardClick, beforeAnyStagePlaysTheStepFileReloadsTheLevelAndArmsTheSpinner)
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
    EXPECT_EQ(state.catPos, 9);
    EXPECT_EQ(state.stepsLeft, 0);
    EXPECT_TRUE(state.canSpin);
    EXPECT_EQ(state.stageState, "whatdo");
}

TEST_F(BoardClick, doesNothingOnceAStageHasOpenedInTheLevelOrAfterTheLastLevel)
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

TEST_F(BoardClick, duringTheLevelsFirstWalkCutsItShortToOneMoreSquare)
{
    // A six is drawn, but the walk stops on poem square 6 whichever half-step the click meets.
    for (int ticksBeforeClick : {1, 2}) {
        SCOPED_TRACE(ticksBeforeClick);
        startLevelOn(1, 6 - ticksBeforeClick);
        state.stageState = QStringLiteral("whatdo");
        spinAndStartWalk(5);
        for (int tick = 0; tick < ticksBeforeClick; ++tick)
            form.board().Timer2_Timer();

        clickOn(controls.Pic1);
        EXPECT_EQ(state.stepsLeft, 0);
        EXPECT_TRUE(state.canSpin);

        EXPECT_EQ(walkUntilStopped(), ticksBeforeClick == 1 ? 2 : 3);
        EXPECT_EQ(state.catPos, 6);
        EXPECT_EQ(state.stageState, "playstory");
    }
}

TEST_F(BoardClick, spinMadeDuringACutShortWalkHoldsItUntilTheNextTurnStart)
{
    startLevelOn(1, 3);
    spinAndStartWalk(5);
    form.board().Timer2_Timer();
    clickOn(controls.Pic1);
    platform.scriptResults(6, {2});
    clickOn(controls.PicTurn);
    EXPECT_TRUE(faceIs(112));

    for (int tick = 0; tick < 3; ++tick)
        form.board().Timer2_Timer();
    EXPECT_EQ(state.catPos, 3);
    EXPECT_TRUE(controls.Timer2->isActive());

    form.spinner().Timer1_Timer();
    EXPECT_EQ(walkUntilStopped(), 6);
    EXPECT_EQ(state.catPos, 6);
}

TEST_F(BoardClick, afterASpinButBeforeTheWalkMakesTheWalkOneSquareWhateverTheFace)
{
    startLevelOn(1, 5);
    state.canSpin = true;
    platform.scriptResults(6, {5});
    clickOn(controls.PicTurn);
    clickOn(controls.Pic1);
    EXPECT_EQ(state.stepsLeft, 0);
    EXPECT_TRUE(faceIs(115));

    form.spinner().Timer1_Timer();
    EXPECT_EQ(walkUntilStopped(), 3);
    EXPECT_EQ(state.catPos, 6);
}

} // namespace
