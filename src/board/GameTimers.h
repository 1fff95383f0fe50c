#pragma once

// The game's two timers: the second's pause between a spin's result and the walk, and the
// 200 ms tick that walks the kitten half a square at a time. Starting a running timer starts
// its interval again.
enum class GameTimer { SpinDelay, WalkTick };

class GameTimers {
public:
    virtual ~GameTimers() = default;

    virtual void start(GameTimer timer) = 0;
    virtual void stop(GameTimer timer) = 0;
};
