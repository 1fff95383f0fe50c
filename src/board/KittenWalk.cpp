// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KittenWalk.h"

#include "Board.h"
#include "Catalogue.h"
#include "Content.h"
#include "GameTimers.h"
#include "SoundPlayer.h"

KittenWalk::KittenWalk(GameRecord &record, Board &board, GameTimers &timers, SoundPlayer &sounds)
    : record_(record), board_(board), timers_(timers), sounds_(sounds)
{
}

void KittenWalk::setHandlers(std::function<void()> arrived, std::function<void()> passedLastSquare)
{
    arrived_ = std::move(arrived);
    passedLastSquare_ = std::move(passedLastSquare);
}

void KittenWalk::start(int squares, Direction direction)
{
    record_.turn = TurnPhase::Walking;
    record_.squaresLeft = squares;
    record_.direction = direction;
    timers_.start(GameTimer::WalkTick);
}

// Ticks move the kitten only while the turn is walking: a spin made during a walk holds it
// until the spin delay starts it again.
void KittenWalk::onTick()
{
    if (record_.turn != TurnPhase::Walking)
        return;
    if (record_.squaresLeft <= 0) {
        stop();
        arrived_();
        return;
    }
    if (!record_.midStep) {
        board_.showWalkingPose();
        record_.midStep = true;
        return;
    }
    step();
    record_.midStep = false;
}

void KittenWalk::step()
{
    record_.squaresLeft -= 1;
    record_.kittenSquare += static_cast<int>(record_.direction);
    if (record_.kittenSquare < 1) {
        // No walk back reaches below the first square; should one try, it stops there.
        record_.kittenSquare = 1;
        record_.squaresLeft = 0;
    }
    if (record_.kittenSquare > Content::LastSquare) {
        stop();
        passedLastSquare_();
        return;
    }
    board_.redraw();
    sounds_.play(Sound::Step);
}

void KittenWalk::stop()
{
    timers_.stop(GameTimer::WalkTick);
    record_.turn = TurnPhase::Standing;
}
