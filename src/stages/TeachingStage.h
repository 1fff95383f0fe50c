// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Board;
class Content;
class GameView;
class LearningLog;
class SoundPlayer;
class Spinner;
struct GameRecord;

// The teaching square: the four words of the square's group as captions with their pictures
// (always shown at level 1, shown on hover at level 2, never at level 3). Pressing a caption
// speaks its word, which the child has then been taught; the bee leaves the stage and gives the
// turn back.
class TeachingStage {
public:
    TeachingStage(GameRecord &record, const Content &content, GameView &view, SoundPlayer &sounds,
                  Board &board, Spinner &spinner, LearningLog &log);

    void open();
    // Speaks the word of caption slot 0..3.
    void speak(int slot);
    // The bee was clicked.
    void leave();

private:
    int group() const;

    GameRecord &record_;
    const Content &content_;
    GameView &view_;
    SoundPlayer &sounds_;
    Board &board_;
    Spinner &spinner_;
    LearningLog &log_;
};
