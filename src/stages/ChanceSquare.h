// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameView;
class HeldSound;
class KittenWalk;
class Platform;

// The chance square: a caterpillar sends the kitten three squares back or a bee four forward,
// drawn at random, shown in the middle of the board and heard before the walk starts.
class ChanceSquare {
public:
    ChanceSquare(GameView &view, HeldSound &held, Platform &platform, KittenWalk &walk);

    void run();

private:
    GameView &view_;
    HeldSound &held_;
    Platform &platform_;
    KittenWalk &walk_;
};
