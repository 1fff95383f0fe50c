#pragma once

struct Controls;
struct GameState;
class Board;
class Sounds;

// The poem square: the caterpillar and the poem's title, poet and four lines on a cleared
// board, recited to the end; then the board comes back and the spinner is armed.
class PoemStage {
public:
    PoemStage(GameState &state, Controls &controls, Sounds &sounds, Board &board);

    // Shows and recites poem 0..4; returns when the recitation has ended.
    void recitePoem(int poemIndex);

private:
    // Title, poet and the four lines of the poem into the three labels.
    void showTexts(int poemIndex);

    GameState &state_;
    Controls &controls_;
    Sounds &sounds_;
    Board &board_;
};
