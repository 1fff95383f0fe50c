// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionHover.h"

#include "Content.h"
#include "GameRecord.h"
#include "GameView.h"
#include "WordRow.h"

CaptionHover::CaptionHover(GameRecord &record, GameView &view) : record_(record), view_(view) {}

bool CaptionHover::picturesOnHover() const
{
    return (record_.stage == Stage::Quiz && record_.level == 1) ||
           (record_.stage == Stage::Teaching && record_.level == 2);
}

// Moving from one caption straight to another leaves the first one's look on; only the board
// takes the looks back.
void CaptionHover::onCaptionHovered(int slot)
{
    if (picturesOnHover() && slot != record_.hoveredCaption) {
        if (slot < Content::WordsPerGroup)
            view_.setWordPictureVisible(slot, true);
        view_.setCaptionRed(slot, true);
        record_.hoveredCaption = slot;
    }
    if (record_.stage == Stage::Quiz && record_.hoveredCaption != slot)
        view_.setCaptionRed(slot, true);
}

void CaptionHover::onBoardHovered()
{
    for (int slot = 0; slot < WordRow::CaptionSlots; ++slot)
        view_.setCaptionRed(slot, false);
    if (picturesOnHover() && record_.hoveredCaption != -1) {
        for (int slot = 0; slot < Content::WordsPerGroup; ++slot)
            view_.setWordPictureVisible(slot, false);
    }
    record_.hoveredCaption = -1;
}
