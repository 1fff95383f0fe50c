#pragma once

struct GameState;
class Sounds;
class StageOpeners;

// Entering the square a walk stopped on: the spinner is disarmed, the square's kind is
// announced to its end, and the stage of that kind opens.
class SquareDispatch {
public:
    SquareDispatch(GameState &state, Sounds &sounds, StageOpeners &stages);

    void enterSquare();
    // Plays the announcement of the kitten's square kind, synchronously.
    void announceSquareKind();

private:
    GameState &state_;
    Sounds &sounds_;
    StageOpeners &stages_;
};
