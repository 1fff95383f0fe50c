#pragma once

class GameView;
class KittenWalk;
class Platform;
class SoundPlayer;

// The chance square: a caterpillar sends the kitten three squares back or a bee four forward,
// drawn at random, shown in the middle of the board and heard before the walk starts.
class ChanceSquare {
public:
    ChanceSquare(GameView &view, SoundPlayer &sounds, Platform &platform, KittenWalk &walk);

    void run();

private:
    GameView &view_;
    SoundPlayer &sounds_;
    Platform &platform_;
    KittenWalk &walk_;
};
