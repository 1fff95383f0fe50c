// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

using GameFlow = GameFixture;

// Start-up, a press on the board and a new level all start a level the same way: the narration
// starts, the board is painted, and only then is the spinner armed.
TEST_F(GameFlow, everyLevelStartNarratesThenPaintsTheBoardAndArmsTheSpinnerLast)
{
    bool armedWhilePainting = false;
    journal.watcher = [&](const QString &entry) {
        if (entry.startsWith("scene") || entry.startsWith("icon") || entry.startsWith("kitten"))
            armedWhilePainting |= record.spinnerArmed;
    };
    auto expectLevelStart = [&](int level) {
        const QString narration = QStringLiteral("sound %1").arg(Sound::narration(level).number);
        const qsizetype narrated = journal.indexOf(narration);
        ASSERT_GE(narrated, 0);
        EXPECT_EQ(journal.entries.value(narrated + 1),
                  QStringLiteral("scene %1").arg(Bitmap::scene(level).number));
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
        game.onTick(GameTimer::SpinDelay);
        game.onTick(GameTimer::WalkTick);
        game.onTick(GameTimer::WalkTick);
        game.onBoardPressed();
    }
};

TEST_F(BoardPressDuringTheFirstWalk, playsTheStepFileRestartsTheLevelAndLeavesOneSquareToWalk)
{
    EXPECT_LT(journal.indexOf("file /games/kitten/wav/step.wav"),
              journal.indexOf(QStringLiteral("sound %1").arg(Sound::narration(1).number)));
    EXPECT_TRUE(record.spinnerArmed);
    EXPECT_EQ(walkUntilStopped(), 3);
    EXPECT_EQ(record.kittenSquare, 3);
    endHeldSounds();
    EXPECT_EQ(record.stage, Stage::Teaching);
}

// The walk's ticks go on during the whirl; once they could step the kitten and leave the face
// showing a number no face has.
TEST_F(BoardPressDuringTheFirstWalk, aSpinThenHoldsTheWalkUntilItsDelayWalksOnByTheNewNumber)
{
    platform.scriptResults(6, {1});
    platform.draws.insert(platform.draws.end(), 4, 0.0f); // square 4 opens a quiz
    game.onSpinnerClicked();
    while (timers.isRunning(GameTimer::WhirlFrame)) {
        game.onTick(GameTimer::WalkTick);
        game.onTick(GameTimer::WhirlFrame);
    }
    EXPECT_EQ(record.kittenSquare, 2);
    EXPECT_EQ(view.spinnerFace, Bitmap::spinnerFace(2));
    journal.clear();
    game.onTick(GameTimer::WalkTick);
    EXPECT_TRUE(journal.entries.isEmpty());
    game.onTick(GameTimer::SpinDelay);
    EXPECT_EQ(walkUntilStopped(), 5);
    EXPECT_EQ(record.kittenSquare, 4);
}

TEST_F(GameFlow, aBoardPressDoesNothingOnceAStageHasOpenedInTheLevelOrTheGameIsOver)
{
    enter(1, SquareKind::Teaching, 1);
    game.onButtonClicked(Button::Bee);
    journal.clear();
    game.onBoardPressed();
    record.level = LevelCount + 1;
    record.stage = Stage::None;
    game.onBoardPressed();
    EXPECT_TRUE(journal.entries.isEmpty());
}

// The level's first square, announced: a press on the board would restart the level, a
// press on the help button open the help. While the announcement is heard, nothing does
// anything; its end opens the stage.
TEST_F(GameFlow, pressesDuringAHeldSoundDoNothingAndAreNotKept)
{
    startGame();
    spinAndWalk(2);
    ASSERT_TRUE(platform.output.isHolding());
    record.spinnerArmed = true;
    journal.clear();
    game.onBoardPressed();
    game.onSpinnerClicked();
    game.onCaptionPressed(0);
    for (Button button : {Button::Help, Button::Bee, Button::Tadpole})
        game.onButtonClicked(button);
    EXPECT_TRUE(journal.entries.isEmpty()) << journal.entries.join("; ").toStdString();
    platform.output.endHeldSound();
    EXPECT_EQ(record.stage, Stage::Teaching);
    EXPECT_EQ(view.helpOpened, 0);
    EXPECT_EQ(platform.output.heldCutOff, 0);
}

// Ticks that fall due during a held sound come after its end and what follows it, once each,
// unless their timer has been started again or stopped by then.
TEST_F(GameFlow, ticksDuringAHeldSoundComeAfterItUnlessTheirTimerRestarted)
{
    enter(1, SquareKind::Poem, 1);
    ASSERT_TRUE(platform.output.isHolding());
    timers.start(GameTimer::WalkTick);
    record.turn = TurnPhase::Walking;
    record.squaresLeft = 1;
    for (int tick = 0; tick < 3; ++tick) {
        game.onTick(GameTimer::WalkTick);
        game.onTick(GameTimer::SpinDelay);
    }
    EXPECT_EQ(view.kitten->pose, KittenPose::Standing);
    // The end of the poem starts the spin delay again: its tick now waits its whole second.
    platform.output.endHeldSound();
    EXPECT_EQ(view.kitten->pose, KittenPose::Walking);
    EXPECT_EQ(journal.entries.filter("kitten").size(), 2);
    EXPECT_TRUE(timers.isRunning(GameTimer::SpinDelay));
}

TEST_F(GameFlow, theHelpButtonSilencesTheGameAndOpensTheHelpInItsNormalLook)
{
    startGame();
    game.onButtonHovered(Button::Help, true);
    EXPECT_EQ(view.buttons[Button::Help].picture, Bitmap::HelpButtonHovered);
    game.onButtonClicked(Button::Help);
    EXPECT_EQ(soundsPlayed(), std::vector<SoundId>{Sound::Stop});
    EXPECT_EQ(view.buttons[Button::Help].picture, Bitmap::HelpButton);
    EXPECT_EQ(view.helpOpened, 1);
}

TEST_F(GameFlow, closingTheWindowCutsTheSoundOff)
{
    startGame();
    game.shutDown();
    EXPECT_EQ(soundsPlayed(), std::vector<SoundId>{Sound::Stop});
}

} // namespace
