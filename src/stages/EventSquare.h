#pragma once

struct Controls;
struct GameState;
class Platform;
class Sounds;

// The chance square: a caterpillar sends the kitten three squares back or a bee four
// forward, drawn at random, shown and heard before the walk starts.
class EventSquare {
public:
    EventSquare(GameState &state, Controls &controls, Sounds &sounds, Platform &platform);

    // Draws the creature, shows it, plays its sound to the end and starts the walk.
    void runEventSquare();

private:
    GameState &state_;
    Controls &controls_;
    Sounds &sounds_;
    Platform &platform_;
};
