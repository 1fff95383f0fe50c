#pragma once

struct Controls;
struct GameState;
class Platform;
class Sounds;

// The spinner: a click on the armed dial draws 1 to 6, whirls, shows the face drawn, and one
// second later Timer1 starts the kitten's walk.
class Spinner {
public:
    Spinner(GameState &state, Controls &controls, Sounds &sounds, Platform &platform);

    // A click on the dial: ignored unless the spinner is armed.
    void PicTurn_Click();
    // The whirl of faces with its sound; lets pending events run between frames.
    void animateSpinner();
    // One interval after the result: starts the walk if a spin result is waiting.
    void Timer1_Timer();

private:
    void showFace(int bitmap);

    GameState &state_;
    Controls &controls_;
    Sounds &sounds_;
    Platform &platform_;
};
