// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SquareDispatch.h"

#include "Content.h"
#include "GameRecord.h"
#include "HeldSound.h"
#include "Spinner.h"
#include "StageOpeners.h"

SquareDispatch::SquareDispatch(const GameRecord &record, const Content &content, HeldSound &held,
                               Spinner &spinner, StageOpeners &stages)
    : record_(record), content_(content), held_(held), spinner_(spinner), stages_(stages)
{
}

void SquareDispatch::enterSquare()
{
    spinner_.disarm();
    const Square square = content_.square(record_.level, record_.kittenSquare);
    if (square.kind == SquareKind::Start) {
        // Nothing to announce or open; the child spins on.
        spinner_.arm();
        return;
    }
    // The whole announcement is heard before the stage opens.
    held_.play(Sound::announcement(square.kind), [this, square] { open(square); });
}

void SquareDispatch::open(Square square)
{
    switch (square.kind) {
    case SquareKind::Poem:
        // The tables count poems from 1.
        stages_.recitePoem(square.index - 1);
        break;
    case SquareKind::Teaching:
        stages_.openTeaching();
        break;
    case SquareKind::Quiz:
        stages_.openQuiz();
        break;
    case SquareKind::Chance:
        stages_.runChanceSquare();
        break;
    case SquareKind::Start:
        break;
    }
}
