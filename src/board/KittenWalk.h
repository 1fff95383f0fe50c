// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameRecord.h"

#include <functional>

class Board;
class Content;
class GameTimers;
class SoundPlayer;

// The kitten's walk, driven by the walk tick: on one tick the kitten shows its walking pose on
// its square, on the next it stands on the next square with a step sound. The tick after the
// last step ends the walk and the square reached is entered; a step past the last square ends
// the level instead, and the square reached is not entered.
class KittenWalk {
public:
    KittenWalk(GameRecord &record, Board &board, GameTimers &timers, SoundPlayer &sounds);

    // What the walk hands over to: the square it stopped on, and the end of the level.
    void setHandlers(std::function<void()> arrived, std::function<void()> passedLastSquare);

    // Walks squares (1 or more) in direction, starting on the next tick.
    void start(int squares, Direction direction);
    void onTick();

private:
    void step();
    void stop();

    GameRecord &record_;
    Board &board_;
    GameTimers &timers_;
    SoundPlayer &sounds_;
    std::function<void()> arrived_;
    std::function<void()> passedLastSquare_;
};
