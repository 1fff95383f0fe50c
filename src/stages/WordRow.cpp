// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordRow.h"

#include "Board.h"
#include "GameRecord.h"
#include "GameView.h"

void WordRow::close(GameRecord &record, GameView &view, Board &board)
{
    record.tadpoleActive = false;
    view.hideWordRow();
    for (int slot = 0; slot < CaptionSlots; ++slot)
        view.setCaptionRed(slot, false);
    record.hoveredCaption = -1;
    board.redraw();
}
