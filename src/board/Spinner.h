// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameTimers;
class GameView;
class KittenWalk;
class Platform;
class SoundPlayer;
struct GameRecord;

// The spinner beside the board. A click on the armed spinner draws a number from 1 to 6 and
// whirls with its sound, a face every 100 ms, then shows the number after 0.4 s; a second
// later the spin delay starts the kitten's walk of that many squares. Clicks on the spinner
// during the whirl are ignored, however fast a child clicks.
class Spinner {
public:
    Spinner(GameRecord &record, GameView &view, GameTimers &timers, SoundPlayer &sounds,
            Platform &platform, KittenWalk &walk);

    // Whether the spinner takes a click: armed when the child may spin, disarmed otherwise.
    void arm();
    void disarm();

    void onClicked();
    void onWhirlFrame();
    void onDelayTick();

private:
    GameRecord &record_;
    GameView &view_;
    GameTimers &timers_;
    SoundPlayer &sounds_;
    Platform &platform_;
    KittenWalk &walk_;
    // The whirl's face showing.
    int whirlFrame_ = 0;
};
