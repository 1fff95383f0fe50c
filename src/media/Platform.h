#pragma once

class QString;
class SoundOutput;

// Everything the game asks of the machine, in one seam that tests replace: sound output,
// random draws, letting pending window events run, the blocking 100 ms wait of the spinner
// whirl, and the program's own folder.
class Platform {
public:
    virtual ~Platform() = default;

    virtual SoundOutput &sound() = 0;
    // A fresh uniform draw in [0, 1).
    virtual float randomUniform() = 0;
    // Runs the window events that are waiting, then returns.
    virtual void processPendingEvents() = 0;
    // Blocks the calling thread for 100 ms without handling events.
    virtual void wait100ms() = 0;
    // The folder the program was started from, without a trailing separator.
    virtual QString programFolder() const = 0;
};

// floor(r * n) for a draw r in [0, 1): 0 .. n - 1, each equally likely.
int randomBelow(Platform &platform, int n);
