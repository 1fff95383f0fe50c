#pragma once

#include "Board.h"
#include "KittenWalk.h"
#include "SoundPlayer.h"
#include "Spinner.h"
#include "SquareDispatch.h"
#include "Stages.h"

class Content;
class GameTimers;
class GameView;
class Platform;
enum class Button;
struct GameRecord;

// The game's rules as one object: it starts the game, takes the child's input and the timers'
// ticks, and moves through the levels. It shows everything through the view and plays
// through the platform; the window only passes input and ticks in.
class Game {
public:
    Game(GameRecord &record, const Content &content, GameView &view, GameTimers &timers,
         Platform &platform);

    // Level 1 with its narration, the kitten on square 1 and the spinner armed.
    void start();

    void onSpinnerClicked() { spinner_.onClicked(); }
    void onSpinDelayTick() { spinner_.onDelayTick(); }
    void onWalkTick() { walk_.onTick(); }
    // A press on the board while no stage has been opened in the level starts the level again:
    // its narration, and the spinner armed; a walk under way covers one more square only.
    void onBoardPressed();
    void onBoardHovered() { stages_.onBoardHovered(); }
    void onCaptionPressed(int slot) { stages_.onCaptionPressed(slot); }
    void onCaptionHovered(int slot) { stages_.onCaptionHovered(slot); }
    void onBeeClicked() { stages_.onBeeClicked(); }
    void onTadpoleClicked() { stages_.onTadpoleClicked(); }
    // Silences the game and opens the help.
    void onHelpClicked();
    void onButtonHovered(Button button, bool inside);
    // The window closes: whatever plays is cut off.
    void shutDown();

private:
    void startLevel();
    void finishLevel();

    GameRecord &record_;
    GameView &view_;
    GameTimers &timers_;
    Platform &platform_;
    SoundPlayer sounds_;
    Board board_;
    KittenWalk walk_;
    Spinner spinner_;
    Stages stages_;
    SquareDispatch dispatch_;
    bool startingLevel_ = false;
};
