// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

using KittenWalk = GameFixture;

TEST_F(KittenWalk, takesTwoTicksASquareShowingTheWalkingPoseFirstAndEntersOnTheTickAfter)
{
    startGame();
    platform.draws.assign(4, 0.0f); // the quiz on square 4 shuffles its captions
    spin(3);
    game.onTick(GameTimer::SpinDelay);
    forgetSounds();
    for (int square = 1; square <= 3; ++square) {
        const Cell from = content().cellOf(square);
        journal.clear();
        game.onTick(GameTimer::WalkTick);
        EXPECT_EQ(view.kitten, (FakeView::Kitten{from, KittenPose::Walking})) << square;
        // The square's icon is painted again under the walking kitten, and nothing is heard.
        EXPECT_EQ(journal.entries.mid(0, 1), QStringList{QStringLiteral("icon %1,%2 %3")
                                                             .arg(from.column)
                                                             .arg(from.row)
                                                             .arg(square == 1 ? 4 : 2)});
        EXPECT_TRUE(platform.output.played.empty());
        game.onTick(GameTimer::WalkTick);
        EXPECT_EQ(view.kitten,
                  (FakeView::Kitten{content().cellOf(square + 1), KittenPose::Standing}));
        EXPECT_EQ(view.scene, Bitmap::scene(1));
        EXPECT_EQ(soundsPlayed(), std::vector<SoundId>{Sound::Step});
        forgetSounds();
    }
    EXPECT_TRUE(timers.isRunning(GameTimer::WalkTick));
    game.onTick(GameTimer::WalkTick);
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
    EXPECT_EQ(platform.output.played.front(),
              (PlayedSound{Sound::announcement(SquareKind::Quiz), true}));
    EXPECT_EQ(record.turn, TurnPhase::Standing);
}

TEST_F(KittenWalk, pastTheLastSquareStartsTheNextLevelOnSquareOneWithoutEnteringAnySquare)
{
    standOn(1, 40);
    spinAndWalk(6);
    EXPECT_EQ(record.level, 2);
    EXPECT_EQ(record.kittenSquare, 1);
    EXPECT_EQ(record.stage, Stage::None);
    EXPECT_TRUE(record.spinnerArmed);
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
    EXPECT_EQ(view.kitten, (FakeView::Kitten{content().cellOf(1), KittenPose::Standing}));
    EXPECT_EQ(view.scene, Bitmap::scene(2));
    // Three steps and the narration; the square the fourth step would reach is not announced.
    EXPECT_EQ(soundsPlayed(), (std::vector<SoundId>{Sound::Whirl, Sound::Step, Sound::Step,
                                                    Sound::Step, Sound::narration(2)}));
}

TEST_F(KittenWalk, pastTheLastSquareOfTheLastLevelShowsTheEndSceneWhichIgnoresEveryClick)
{
    standOn(LevelCount, 43);
    spinAndWalk(1);
    EXPECT_TRUE(record.gameOver());
    EXPECT_EQ(view.scene, Bitmap::EndScene);
    EXPECT_TRUE(view.icons.empty());
    EXPECT_EQ(soundsPlayed(), (std::vector<SoundId>{Sound::Whirl, Sound::EndNarration}));
    journal.clear();
    game.onSpinnerClicked();
    game.onBoardPressed();
    game.onTick(GameTimer::SpinDelay);
    EXPECT_TRUE(journal.entries.isEmpty()) << journal.entries.join("; ").toStdString();
}

} // namespace
