#include "Spinner.h"

#include "Catalogue.h"
#include "GameRecord.h"
#include "GameTimers.h"
#include "GameView.h"
#include "KittenWalk.h"
#include "Platform.h"
#include "SoundPlayer.h"

namespace {
constexpr int Faces = 6;
} // namespace

Spinner::Spinner(GameRecord &record, GameView &view, GameTimers &timers, SoundPlayer &sounds,
                 Platform &platform, KittenWalk &walk)
    : record_(record), view_(view), timers_(timers), sounds_(sounds), platform_(platform),
      walk_(walk)
{
}

void Spinner::arm()
{
    record_.spinnerArmed = true;
}

void Spinner::disarm()
{
    record_.spinnerArmed = false;
}

void Spinner::onClicked()
{
    if (!record_.spinnerArmed || record_.gameOver() || whirling_)
        return;
    whirling_ = true;
    record_.squaresLeft = randomBelow(platform_, Faces) + 1;
    // Nothing that runs during the whirl may start or move a walk: a walk under way (the
    // level's first, after a press on the board) waits from here on, and so does the delay of
    // a spin made just before.
    record_.turn = TurnState::WaitingToWalk;
    timers_.stop(GameTimer::SpinDelay);
    whirl();
    whirling_ = false;
    view_.showSpinnerFace(Bitmap::spinnerFace(record_.squaresLeft));
    timers_.start(GameTimer::SpinDelay);
    disarm();
}

void Spinner::whirl()
{
    sounds_.playAsync(Sound::Whirl);
    const int four = Bitmap::spinnerFace(4);
    for (int face : {Bitmap::WhirlTiltedSix, four, Bitmap::WhirlTiltedFour, four}) {
        view_.showSpinnerFace(face);
        // Lets the frame reach the screen; input waiting now is served here too.
        platform_.processPendingEvents();
        platform_.wait100ms();
    }
    view_.showSpinnerFace(Bitmap::WhirlTiltedFour);
}

void Spinner::onDelayTick()
{
    timers_.stop(GameTimer::SpinDelay);
    // After a poem the delay runs once with no spin result waiting: it only stops.
    if (record_.turn != TurnState::WaitingToWalk)
        return;
    record_.turn = TurnState::Walking;
    walk_.start(record_.squaresLeft, Direction::Forward);
}
