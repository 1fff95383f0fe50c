// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

using Spinner = GameFixture;

TEST_F(Spinner, disarmedIgnoresAClickEntirely)
{
    standOn(1, 5);
    record.spinnerArmed = false;
    game.onSpinnerClicked();
    EXPECT_TRUE(journal.entries.isEmpty());
    EXPECT_FALSE(timers.isRunning(GameTimer::SpinDelay));
}

// Each frame of the whirl shows its face for 100 ms; the fifth shows the number drawn.
TEST_F(Spinner, whirlsAFaceAFrameThenShowsTheNumberAndDisarms)
{
    standOn(1, 5);
    platform.scriptResults(6, {4});
    game.onSpinnerClicked();
    EXPECT_EQ(journal.entries,
              (QStringList{QStringLiteral("sound %1").arg(Sound::Whirl.number),
                           QStringLiteral("face %1").arg(Bitmap::WhirlTiltedSix.number)}));
    EXPECT_TRUE(timers.isRunning(GameTimer::WhirlFrame));
    EXPECT_EQ(record.turn, TurnPhase::Whirling);
    const BitmapId faces[] = {Bitmap::spinnerFace(4), Bitmap::WhirlTiltedFour,
                              Bitmap::spinnerFace(4), Bitmap::spinnerFace(5)};
    for (BitmapId face : faces) {
        EXPECT_TRUE(record.spinnerArmed);
        EXPECT_FALSE(timers.isRunning(GameTimer::SpinDelay));
        game.onTick(GameTimer::WhirlFrame);
        EXPECT_EQ(view.spinnerFace, face);
    }
    EXPECT_FALSE(timers.isRunning(GameTimer::WhirlFrame));
    EXPECT_FALSE(record.spinnerArmed);
    EXPECT_EQ(record.turn, TurnPhase::NumberShown);
    EXPECT_TRUE(timers.isRunning(GameTimer::SpinDelay));
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
}

TEST_F(Spinner, itsDelayStartsTheWalkOfTheNumberShownAndOtherwiseOnlyStops)
{
    standOn(1, 5);
    game.onTick(GameTimer::SpinDelay);
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
    EXPECT_FALSE(timers.isRunning(GameTimer::SpinDelay));
    platform.draws.assign(4, 0.0f); // square 10 opens a quiz
    spinAndWalk(5);
    EXPECT_EQ(record.kittenSquare, 10);
}

// A child clicking as fast as the frames go: every click during the whirl is ignored, and the
// number drawn is what the face shows and the kitten walks.
TEST_F(Spinner, ignoresClicksDuringItsWhirl)
{
    standOn(1, 5);
    platform.scriptResults(6, {0});
    game.onSpinnerClicked();
    while (timers.isRunning(GameTimer::WhirlFrame)) {
        game.onSpinnerClicked();
        game.onTick(GameTimer::WhirlFrame);
    }
    EXPECT_EQ(soundsPlayed(), std::vector<SoundId>{Sound::Whirl});
    EXPECT_EQ(view.spinnerFace, Bitmap::spinnerFace(1));
    game.onTick(GameTimer::SpinDelay);
    EXPECT_EQ(walkUntilStopped(), 3);
    EXPECT_EQ(record.kittenSquare, 6);
}

} // namespace
