// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Board.h"

#include "Catalogue.h"
#include "Content.h"
#include "GameRecord.h"
#include "GameView.h"

Board::Board(const GameRecord &record, const Content &content, GameView &view)
    : record_(record), content_(content), view_(view)
{
}

void Board::redraw()
{
    view_.paintScene(Bitmap::scene(record_.level));
    for (int column = 0; column < Content::GridSize; ++column) {
        for (int row = 0; row < Content::GridSize; ++row) {
            const int square = content_.squareAt({column, row});
            if (square >= 1)
                view_.paintSquareIcon({column, row}, content_.square(record_.level, square).kind);
        }
    }
    // The icon under the kitten has just covered whatever kitten was drawn there.
    view_.paintKitten(content_.cellOf(record_.kittenSquare), KittenPose::Standing);
    view_.hideButton(Button::Tadpole);
}

void Board::showWalkingPose()
{
    const Cell cell = content_.cellOf(record_.kittenSquare);
    view_.paintSquareIcon(cell, content_.square(record_.level, record_.kittenSquare).kind);
    view_.paintKitten(cell, KittenPose::Walking);
}
