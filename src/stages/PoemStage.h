// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Board;
class Content;
class GameTimers;
class GameView;
class HeldSound;
class Spinner;
struct GameRecord;

// The poem square: the poem's title, poet and four lines on the cleared board, with the
// caterpillar in its cap, recited to the end; then the board comes back and the spinner is
// armed.
class PoemStage {
public:
    PoemStage(GameRecord &record, const Content &content, GameView &view, HeldSound &held,
              Board &board, Spinner &spinner, GameTimers &timers);

    // Shows and recites poem 0..4.
    void recite(int poem);

private:
    void finish();

    GameRecord &record_;
    const Content &content_;
    GameView &view_;
    HeldSound &held_;
    Board &board_;
    Spinner &spinner_;
    GameTimers &timers_;
};
