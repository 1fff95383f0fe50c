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

TEST_F(Spinner, whirlsWithItsSoundThenShowsTheNumberDrawnAndIsDisarmed)
{
    standOn(1, 5);
    platform.scriptResults(6, {4});
    game.onSpinnerClicked();
    const QStringList whirl = {
        QStringLiteral("stop"),
        QStringLiteral("sound %1 async").arg(Sound::Whirl),
        QStringLiteral("face %1").arg(Bitmap::WhirlTiltedSix),
        QStringLiteral("events"),
        QStringLiteral("face %1").arg(Bitmap::spinnerFace(4)),
        QStringLiteral("events"),
        QStringLiteral("face %1").arg(Bitmap::WhirlTiltedFour),
        QStringLiteral("events"),
        QStringLiteral("face %1").arg(Bitmap::spinnerFace(4)),
        QStringLiteral("events"),
        QStringLiteral("face %1").arg(Bitmap::WhirlTiltedFour),
        QStringLiteral("face %1").arg(Bitmap::spinnerFace(5)),
    };
    EXPECT_EQ(journal.entries, whirl);
    EXPECT_EQ(platform.waits, 4);
    EXPECT_FALSE(record.spinnerArmed);
    EXPECT_EQ(record.turn, TurnState::WaitingToWalk);
    EXPECT_TRUE(timers.isRunning(GameTimer::SpinDelay));
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
}

TEST_F(Spinner, itsDelayStartsTheWalkOfTheNumberShownAndOtherwiseOnlyStops)
{
    standOn(1, 5);
    game.onSpinDelayTick();
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
    EXPECT_FALSE(timers.isRunning(GameTimer::SpinDelay));
    platform.draws.assign(4, 0.0f); // square 10 opens a quiz
    spinAndWalk(5);
    EXPECT_EQ(record.kittenSquare, 10);
}

// A child clicking as fast as the whirl lets input run: every click during it is ignored, and
// the number drawn is what the face shows and the kitten walks.
TEST_F(Spinner, ignoresClicksDuringItsWhirl)
{
    standOn(1, 5);
    platform.scriptResults(6, {0});
    platform.duringPendingEvents = [&] { game.onSpinnerClicked(); };
    game.onSpinnerClicked();
    platform.duringPendingEvents = nullptr;
    EXPECT_EQ(view.spinnerFace, Bitmap::spinnerFace(1));
    EXPECT_EQ(platform.waits, 4);
    game.onSpinDelayTick();
    EXPECT_EQ(walkUntilStopped(), 3);
    EXPECT_EQ(record.kittenSquare, 6);
}

} // namespace
