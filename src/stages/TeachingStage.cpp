// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeachingStage.h"

#include "Catalogue.h"
#include "Content.h"
#include "GameRecord.h"
#include "GameView.h"
#include "LearningLog.h"
#include "SoundPlayer.h"
#include "Spinner.h"
#include "WordRow.h"

TeachingStage::TeachingStage(GameRecord &record, const Content &content, GameView &view,
                             SoundPlayer &sounds, Board &board, Spinner &spinner, LearningLog &log)
    : record_(record), content_(content), view_(view), sounds_(sounds), board_(board),
      spinner_(spinner), log_(log)
{
}

void TeachingStage::open()
{
    record_.stage = Stage::Teaching;
    const bool picturesShown = record_.level == 1;
    view_.clearBoard();
    view_.showButton(Button::Bee, Bitmap::BeeButton);
    for (int k = 0; k < Content::WordsPerGroup; ++k) {
        const int word = content_.groupWord(group(), k);
        view_.setWordPicture(k, Bitmap::wordPicture(word), WordRow::pictureLeft(k), picturesShown);
        view_.showCaption(k, content_.word(word), WordRow::captionLeft(k), WordRow::CaptionTop);
    }
}

void TeachingStage::speak(int slot)
{
    if (slot >= Content::WordsPerGroup)
        return;
    const int word = content_.groupWord(group(), slot);
    sounds_.playWord(Sound::wordSound(word));
    log_.wordTaught(word);
}

void TeachingStage::leave()
{
    WordRow::close(record_, view_, board_);
    view_.hideButton(Button::Bee);
    spinner_.arm();
    log_.stageEnded();
}

// The square's index counts the groups from 1.
int TeachingStage::group() const
{
    return content_.square(record_.level, record_.kittenSquare).index - 1;
}
