#pragma once

#include <QPointF>

#include <functional>

struct Controls;
struct GameState;
class Board;
class Sounds;

// The bee and help buttons beside the board play. The bee's click ends a teaching stage and
// concludes a word test (passed: the spinner is armed; failed: the kitten walks back to the
// teaching square of the same words); the help button silences the game and opens the help.
class WindowButtons {
public:
    WindowButtons(GameState &state, Controls &controls, Sounds &sounds, Board &board,
                  std::function<void()> openHelp);

    void PicOut_Click();
    void PicOut_MouseMove(QPointF position);
    void Pichp_MouseMove(QPointF position);
    void Pichp_Click();

private:
    void concludeTest();

    GameState &state_;
    Controls &controls_;
    Sounds &sounds_;
    Board &board_;
    std::function<void()> openHelp_;
};
