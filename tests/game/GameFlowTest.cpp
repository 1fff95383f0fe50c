#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

using GameFlow = GameFixture;

// Start-up, a press on the board and a new level all start a level the same way: waiting
// events run, the narration starts, the board is painted, and only then is the spinner armed.
TEST_F(GameFlow, everyLevelStartNarratesThenPaintsTheBoardAndArmsTheSpinnerLast)
{
    bool armedWhilePainting = false;
    journal.watcher = [&](const QString &entry) {
        if (entry.startsWith("scene") || entry.startsWith("icon") || entry.startsWith("kitten"))
            armedWhilePainting |= record.spinnerArmed;
    };
    auto expectLevelStart = [&](int level) {
        const QString narration = QStringLiteral("sound %1 async").arg(Sound::narration(level));
        const qsizetype narrated = journal.indexOf(narration);
        EXPECT_EQ(journal.entries.mid(narrated - 2, 3), (QStringList{"events", "stop", narration}));
        EXPECT_EQ(journal.entries.value(narrated + 1),
                  QStringLiteral("scene %1").arg(Bitmap::scene(level)));
        EXPECT_EQ(view.icons.size(), 43u);
        EXPECT_EQ(view.kitten,
                  (FakeView::Kitten{content().cellOf(record.kittenSquare), KittenPose::Standing}));
        EXPECT_TRUE(record.spinnerArmed);
        EXPECT_FALSE(armedWhilePainting);
        journal.clear();
    };
    game.start();
    EXPECT_EQ(view.spinnerFace, Bitmap::SpinnerStartFace);
    EXPECT_EQ(view.buttons[Button::Help].picture, Bitmap::HelpButton);
    expectLevelStart(1);
    record.spinnerArmed = false;
    game.onBoardPressed();
    expectLevelStart(1);
    record.kittenSquare = 43;
    spinAndWalk(1);
    expectLevelStart(2);
}

// The level's first walk, two steps in: the kitten is on square 2 with four squares to go.
class BoardPressDuringTheFirstWalk : public GameFixture {
protected:
    BoardPressDuringTheFirstWalk()
    {
        startGame();
        spin(6);
        game.onSpinDelayTick();
        game.onWalkTick();
        game.onWalkTick();
        game.onBoardPressed();
    }
};

TEST_F(BoardPressDuringTheFirstWalk, playsTheStepFileRestartsTheLevelAndLeavesOneSquareToWalk)
{
    EXPECT_LT(journal.indexOf("file /games/kitten/wav/step.wav"),
              journal.indexOf(QStringLiteral("sound %1 async").arg(Sound::narration(1))));
    EXPECT_TRUE(record.spinnerArmed);
    EXPECT_EQ(walkUntilStopped(), 3);
    EXPECT_EQ(record.kittenSquare, 3);
    EXPECT_EQ(record.stage, Stage::Teaching);
}

// The walk's ticks go on during the whirl; once they could step the kitten and leave the face
// showing a number no face has.
TEST_F(BoardPressDuringTheFirstWalk, aSpinThenHoldsTheWalkUntilItsDelayWalksOnByTheNewNumber)
{
    platform.draws.assign(4, 0.0f); // square 4 opens a quiz
    platform.duringPendingEvents = [&] { game.onWalkTick(); };
    spin(2);
    platform.duringPendingEvents = nullptr;
    EXPECT_EQ(record.kittenSquare, 2);
    EXPECT_EQ(view.spinnerFace, Bitmap::spinnerFace(2));
    journal.clear();
    game.onWalkTick();
    EXPECT_TRUE(journal.entries.isEmpty());
    game.onSpinDelayTick();
    EXPECT_EQ(walkUntilStopped(), 5);
    EXPECT_EQ(record.kittenSquare, 4);
}

// Presses that wait while the level starts would each start it again, inside the last.
TEST_F(GameFlow, pressesOnTheBoardWaitingWhileTheLevelStartsAreIgnored)
{
    startGame();
    int runs = 0;
    platform.duringPendingEvents = [&] {
        if (++runs < 100)
            game.onBoardPressed();
    };
    game.onBoardPressed();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(soundsPlayed(), (std::vector<int>{-1, Sound::narration(1)}));
}

TEST_F(GameFlow, aBoardPressDoesNothingOnceAStageHasOpenedInTheLevelOrTheGameIsOver)
{
    enter(1, SquareKind::Teaching, 1);
    game.onBeeClicked();
    journal.clear();
    game.onBoardPressed();
    record.level = LevelCount + 1;
    record.stage = Stage::None;
    game.onBoardPressed();
    EXPECT_TRUE(journal.entries.isEmpty());
}

TEST_F(GameFlow, theHelpButtonSilencesTheGameAndOpensTheHelpInItsNormalLook)
{
    startGame();
    game.onButtonHovered(Button::Help, true);
    EXPECT_EQ(view.buttons[Button::Help].picture, Bitmap::HelpButtonHovered);
    EXPECT_EQ(view.pointerHolder, Button::Help);
    game.onHelpClicked();
    EXPECT_EQ(soundsPlayed(), std::vector<int>{Sound::Stop});
    EXPECT_EQ(view.buttons[Button::Help].picture, Bitmap::HelpButton);
    EXPECT_EQ(view.pointerHolder, std::nullopt);
    EXPECT_EQ(view.helpOpened, 1);
}

TEST_F(GameFlow, closingTheWindowCutsTheSoundOff)
{
    startGame();
    game.shutDown();
    EXPECT_EQ(soundsPlayed(), std::vector<int>{Sound::Stop});
}

} // namespace
