#pragma once

class Board;
class Content;
class GameTimers;
class GameView;
class SoundPlayer;
class Spinner;
struct GameRecord;

// The poem square: the poem's title, poet and four lines on the cleared board, with the
// caterpillar in its cap, recited to the end; then the board comes back and the spinner is
// armed.
class PoemStage {
public:
    PoemStage(GameRecord &record, const Content &content, GameView &view, SoundPlayer &sounds,
              Board &board, Spinner &spinner, GameTimers &timers);

    // Shows and recites poem 0..4; returns when the recitation has ended.
    void recite(int poem);

private:
    GameRecord &record_;
    const Content &content_;
    GameView &view_;
    SoundPlayer &sounds_;
    Board &board_;
    Spinner &spinner_;
    GameTimers &timers_;
};
