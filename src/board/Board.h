#pragma once

#include <functional>

struct Controls;
struct GameState;
class Sounds;

// The board track: paints the level's scene, one icon per track square and the kitten, and
// walks the kitten one square per two ticks of Timer2. A walk that ends enters its square;
// a walk past the last square ends the level.
class Board {
public:
    Board(GameState &state, Controls &controls, Sounds &sounds);

    // What the walk hands over to: entering the square reached, and the end of the level.
    void setFlow(std::function<void()> enterSquare, std::function<void()> advanceLevel);

    // Repaints scene, icons and kitten when forced (1) or when the view origin moved; then
    // draws the standing kitten and hides the replay button.
    void redrawBoard(int force);
    // Copies the icon of square kind 1..4 into grid cell (col, row).
    void paintSquareIcon(int col, int row, int kind);
    // Paints the kitten on its square: frame pair 0 standing, 2 walking.
    void drawKitten(int framePair);

    // The walking tick: walking pose on the old square, then a step; entering the square on
    // the tick after the last step.
    void Timer2_Timer();
    // Moves the kitten one square in stepDir; past square 43 the level ends.
    void stepKitten();

private:
    static int cellOrigin(int cell) { return 40 * cell + 20; }
    static int viewOrigin(int cell) { return cell > 12 ? (cell - 12) * 40 + 40 : 0; }
    int kindOfKittenSquare() const;

    GameState &state_;
    Controls &controls_;
    Sounds &sounds_;
    std::function<void()> enterSquare_;
    std::function<void()> advanceLevel_;
};
