// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Board;
class Content;
class GameView;
class HeldSound;
class KittenWalk;
class LearningLog;
class Platform;
class SoundPlayer;
class Spinner;
struct GameRecord;

// The quiz square: the four words of the square's group are spoken one after another, always
// in group order, and the child presses the caption of each; the captions stand in a random
// order, and at level 3 the next group's words stand among them. The tadpole repeats the word
// being asked. Four right answers pass and give the turn back; the first wrong press fails,
// and the kitten walks back to the square that taught these words. Each word asked is answered
// once, at its first press, rightly or not, and the log notes how.
class WordQuiz {
public:
    WordQuiz(GameRecord &record, const Content &content, GameView &view, SoundPlayer &sounds,
             HeldSound &held, Platform &platform, Board &board, Spinner &spinner, KittenWalk &walk,
             LearningLog &log);

    void open();
    // Judges a press on caption slot 0..7.
    void answer(int slot);
    void onTadpoleClicked();
    void onTadpoleHovered(bool inside);

private:
    int group() const;
    // The word being asked.
    int askedWord() const;
    void onRightAnswerHeard();
    void askNextWord();
    void finish(bool passed);
    // Fills quizOrder's first n places with a permutation of 0..n-1.
    void shuffle(int n);
    void layOutWithPictures();
    void layOutInOneRow();
    void layOutWithDistractors();

    GameRecord &record_;
    const Content &content_;
    GameView &view_;
    SoundPlayer &sounds_;
    HeldSound &held_;
    Platform &platform_;
    Board &board_;
    Spinner &spinner_;
    KittenWalk &walk_;
    LearningLog &log_;
};
