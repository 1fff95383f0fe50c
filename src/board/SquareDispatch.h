#pragma once

class Content;
class SoundPlayer;
class Spinner;
class StageOpeners;
struct GameRecord;

// Entering the square a walk stopped on: the spinner is disarmed, the square's kind is
// announced to its end, and the stage of that kind opens.
class SquareDispatch {
public:
    SquareDispatch(const GameRecord &record, const Content &content, SoundPlayer &sounds,
                   Spinner &spinner, StageOpeners &stages);

    void enterSquare();

private:
    const GameRecord &record_;
    const Content &content_;
    SoundPlayer &sounds_;
    Spinner &spinner_;
    StageOpeners &stages_;
};
