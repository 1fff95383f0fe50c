// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordQuiz.h"

#include "Catalogue.h"
#include "Content.h"
#include "GameRecord.h"
#include "GameView.h"
#include "HeldSound.h"
#include "HoverLook.h"
#include "KittenWalk.h"
#include "LearningLog.h"
#include "Platform.h"
#include "SoundPlayer.h"
#include "Spinner.h"
#include "WordRow.h"

namespace {
constexpr int Words = Content::WordsPerGroup;
// Level 3: eight captions in two rows of four narrower columns.
constexpr int gridLeft(int column)
{
    return 50 + 100 * column;
}
constexpr int SecondRowTop = 260;
} // namespace

WordQuiz::WordQuiz(GameRecord &record, const Content &content, GameView &view, SoundPlayer &sounds,
                   HeldSound &held, Platform &platform, Board &board, Spinner &spinner,
                   KittenWalk &walk, LearningLog &log)
    : record_(record), content_(content), view_(view), sounds_(sounds), held_(held),
      platform_(platform), board_(board), spinner_(spinner), walk_(walk), log_(log)
{
}

void WordQuiz::open()
{
    record_.stage = Stage::Quiz;
    record_.tadpoleActive = true;
    view_.showButton(Button::Tadpole, Bitmap::TadpoleButton);
    record_.quizAnswered = 0;
    view_.clearBoard();
    sounds_.playWord(Sound::wordSound(content_.groupWord(group(), 0)));
    if (record_.level == 1)
        layOutWithPictures();
    else if (record_.level == 2)
        layOutInOneRow();
    else
        layOutWithDistractors();
}

// Only the caption of the word being asked is right, wherever the layout put it.
void WordQuiz::answer(int slot)
{
    log_.wordAnswered(askedWord(), slot == record_.quizAnswered);
    if (slot != record_.quizAnswered) {
        finish(false);
        return;
    }
    held_.play(Sound::RightAnswer, [this] { onRightAnswerHeard(); });
}

void WordQuiz::onRightAnswerHeard()
{
    record_.quizAnswered += 1;
    if (record_.quizAnswered == Words)
        finish(true);
    else
        askNextWord();
}

void WordQuiz::onTadpoleClicked()
{
    if (record_.tadpoleActive)
        sounds_.replayWord();
}

// Once the quiz is over the tadpole keeps whatever look it has.
void WordQuiz::onTadpoleHovered(bool inside)
{
    if (record_.tadpoleActive)
        showHoverLook(view_, Button::Tadpole, inside);
}

// The square's index counts the groups from 1.
int WordQuiz::group() const
{
    return content_.square(record_.level, record_.kittenSquare).index - 1;
}

int WordQuiz::askedWord() const
{
    return content_.groupWord(group(), record_.quizAnswered);
}

void WordQuiz::askNextWord()
{
    record_.tadpoleActive = true;
    view_.showButton(Button::Tadpole, Bitmap::TadpoleButton);
    sounds_.playWord(Sound::wordSound(askedWord()));
}

void WordQuiz::finish(bool passed)
{
    WordRow::close(record_, view_, board_);
    log_.stageEnded();
    if (passed) {
        held_.play(Sound::QuizPassed, [this] { spinner_.arm(); });
        return;
    }
    held_.play(Sound::QuizFailed, [this] {
        const int index = content_.square(record_.level, record_.kittenSquare).index;
        walk_.start(record_.kittenSquare - content_.teachingSquare(record_.level, index),
                    Direction::Backward);
    });
}

// Each pass moves an entry drawn at random to the front. Every order can come out, though not
// all equally often.
void WordQuiz::shuffle(int n)
{
    for (int i = 0; i < n; ++i)
        record_.quizOrder[i] = i;
    for (int pass = 0; pass < n; ++pass) {
        const int k = randomBelow(platform_, n);
        const int chosen = record_.quizOrder[k];
        for (int m = k; m >= 1; --m)
            record_.quizOrder[m] = record_.quizOrder[m - 1];
        record_.quizOrder[0] = chosen;
    }
}

// Level 1: each caption keeps its height and has its word's picture, hidden until hovered,
// in its column.
void WordQuiz::layOutWithPictures()
{
    shuffle(Words);
    for (int column = 0; column < Words; ++column) {
        const int slot = record_.quizOrder[column];
        const int word = content_.groupWord(group(), slot);
        view_.showCaption(slot, content_.word(word), WordRow::captionLeft(column), std::nullopt);
        view_.setWordPicture(slot, Bitmap::wordPicture(word), WordRow::pictureLeft(column), false);
    }
}

void WordQuiz::layOutInOneRow()
{
    shuffle(Words);
    for (int column = 0; column < Words; ++column) {
        const int slot = record_.quizOrder[column];
        const int word = content_.groupWord(group(), slot);
        view_.showCaption(slot, content_.word(word), WordRow::captionLeft(column),
                          WordRow::CaptionTop);
    }
}

// Slots 0..3 hold the asked words, slots 4..7 the next group's words in the same order.
void WordQuiz::layOutWithDistractors()
{
    shuffle(2 * Words);
    for (int place = 0; place < 2 * Words; ++place) {
        const int slot = record_.quizOrder[place];
        const int word = content_.groupWord(group() + slot / Words, slot % Words);
        const int top = place < Words ? WordRow::CaptionTop : SecondRowTop;
        view_.showCaption(slot, content_.word(word), gridLeft(place % Words), top);
    }
}
