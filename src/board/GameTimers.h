// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's three timers: the second's pause between a spin's number and the walk, the 200 ms
// tick that walks the kitten half a square at a time, and the 100 ms frames of the spinner's
// whirl. Starting a running timer starts its interval again.
enum class GameTimer { SpinDelay, WalkTick, WhirlFrame };

class GameTimers {
public:
    virtual ~GameTimers() = default;

    virtual void start(GameTimer timer) = 0;
    virtual void stop(GameTimer timer) = 0;
    virtual bool isRunning(GameTimer timer) const = 0;
};
