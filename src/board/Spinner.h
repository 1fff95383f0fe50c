#pragma once

class GameTimers;
class GameView;
class KittenWalk;
class Platform;
class SoundPlayer;
struct GameRecord;

// The spinner beside the board. A click on the armed spinner draws a number from 1 to 6,
// whirls for about 0.4 s with its sound and shows the number; a second later the spin delay
// starts the kitten's walk of that many squares. The whirl lets waiting input run; clicks on
// the spinner during it are ignored, however fast a child clicks.
class Spinner {
public:
    Spinner(GameRecord &record, GameView &view, GameTimers &timers, SoundPlayer &sounds,
            Platform &platform, KittenWalk &walk);

    // Whether the spinner takes a click: armed when the child may spin, disarmed otherwise.
    void arm();
    void disarm();

    void onClicked();
    void onDelayTick();

private:
    void whirl();

    GameRecord &record_;
    GameView &view_;
    GameTimers &timers_;
    SoundPlayer &sounds_;
    Platform &platform_;
    KittenWalk &walk_;
    bool whirling_ = false;
};
