// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Spinner.h"

#include "Catalogue.h"
#include "GameRecord.h"
#include "GameTimers.h"
#include "GameView.h"
#include "KittenWalk.h"
#include "Platform.h"
#include "SoundPlayer.h"

#include <array>

namespace {

constexpr int Faces = 6;
// The whirl turns the faces 6 and 4 aside; each shows for one whirl frame.
constexpr std::array WhirlFaces = {Bitmap::WhirlTiltedSix, Bitmap::spinnerFace(4),
                                   Bitmap::WhirlTiltedFour, Bitmap::spinnerFace(4)};

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
    if (!record_.spinnerArmed || record_.gameOver() || record_.turn == TurnPhase::Whirling)
        return;
    record_.squaresLeft = randomBelow(platform_, Faces) + 1;
    // A walk under way (the level's first, after a press on the board) waits from here on, and
    // so does the delay of a spin made just before.
    record_.turn = TurnPhase::Whirling;
    timers_.stop(GameTimer::SpinDelay);
    sounds_.play(Sound::Whirl);
    whirlFrame_ = 0;
    view_.showSpinnerFace(WhirlFaces[0]);
    timers_.start(GameTimer::WhirlFrame);
}

// The number shown is the squares left to walk, which a press on the board during the whirl
// has made one.
void Spinner::onWhirlFrame()
{
    whirlFrame_ += 1;
    if (whirlFrame_ < static_cast<int>(WhirlFaces.size())) {
        view_.showSpinnerFace(WhirlFaces[whirlFrame_]);
        return;
    }
    timers_.stop(GameTimer::WhirlFrame);
    view_.showSpinnerFace(Bitmap::spinnerFace(record_.squaresLeft));
    record_.turn = TurnPhase::NumberShown;
    timers_.start(GameTimer::SpinDelay);
    disarm();
}

void Spinner::onDelayTick()
{
    timers_.stop(GameTimer::SpinDelay);
    // After a poem the delay runs once with no number shown: it only stops.
    if (record_.turn != TurnPhase::NumberShown)
        return;
    walk_.start(record_.squaresLeft, Direction::Forward);
}
