// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "GameTimers.h"
#include "HeldSound.h"
#include "KittenWalk.h"
#include "LearningLog.h"
#include "SoundPlayer.h"
#include "Spinner.h"
#include "SquareDispatch.h"
#include "Stages.h"

#include <vector>

class Content;
class GameView;
class LearningRecord;
class Platform;
enum class Button;
struct GameRecord;

// The game's rules as one object: it starts the game, takes the child's input and the timers'
// ticks, and moves through the levels. It shows everything through the view and plays
// through the platform; the window only passes input and ticks in. What the child learns goes
// into the learning record, which it asks the window to save now and then.
//
// While a held sound plays (an announcement, a poem, the quiz's verdicts, a chance square's
// story) the child's presses do nothing; pointer moves still change the looks. A tick that
// falls due meanwhile comes after the sound's end and what follows it, unless its timer has
// been started again or stopped by then, as a timer held up by a busy thread would.
class Game : private GameTimers {
public:
    Game(GameRecord &record, LearningRecord &learning, const Content &content, GameView &view,
         GameTimers &timers, Platform &platform);

    // What saves the learning record: called when a word stage ends, a level starts and the
    // game shuts down, if anything was learnt or played since the last save.
    void setSaveLearning(std::function<void()> save) { log_.setSave(std::move(save)); }
    // The record's level (level 1 unless the window chose another) with its narration, the
    // kitten on square 1 and the spinner armed.
    void start();

    void onTick(GameTimer timer);
    void onSpinnerClicked();
    // A press on the board while no stage has been opened in the level starts the level again:
    // its narration, and the spinner armed; a walk under way covers one more square only.
    void onBoardPressed();
    void onBoardHovered() { stages_.onBoardHovered(); }
    void onCaptionPressed(int slot);
    void onCaptionHovered(int slot) { stages_.onCaptionHovered(slot); }
    void onButtonClicked(Button button);
    void onButtonHovered(Button button, bool inside);
    // The window closes: whatever plays is cut off, and what was learnt is saved.
    void shutDown();

private:
    // The rules start and stop the timers through the game, which keeps the ticks held.
    void start(GameTimer timer) override;
    void stop(GameTimer timer) override;
    bool isRunning(GameTimer timer) const override { return timers_.isRunning(timer); }
    void forgetHeldTick(GameTimer timer);
    void deliverHeldTicks();
    void deliver(GameTimer timer);
    bool takesPresses() const { return !held_.isPlaying(); }
    // Silences the game and opens the help.
    void openHelp();
    void startLevel();
    void finishLevel();

    GameRecord &record_;
    GameView &view_;
    GameTimers &timers_;
    Platform &platform_;
    SoundPlayer sounds_;
    HeldSound held_;
    LearningLog log_;
    Board board_;
    KittenWalk walk_;
    Spinner spinner_;
    Stages stages_;
    SquareDispatch dispatch_;
    // Ticks that fell due during a held sound, in order, each timer once.
    std::vector<GameTimer> heldTicks_;
};
