// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Stages.h"

#include "GameRecord.h"
#include "GameView.h"

Stages::Stages(GameRecord &record, const Content &content, GameView &view, GameTimers &timers,
               SoundPlayer &sounds, HeldSound &held, Platform &platform, Board &board,
               Spinner &spinner, KittenWalk &walk, LearningLog &log)
    : record_(record), view_(view), poem_(record, content, view, held, board, spinner, timers),
      teaching_(record, content, view, sounds, board, spinner, log),
      quiz_(record, content, view, sounds, held, platform, board, spinner, walk, log),
      chance_(view, held, platform, walk), hover_(record, view)
{
}

void Stages::onCaptionPressed(int slot)
{
    if (record_.stage == Stage::Quiz)
        quiz_.answer(slot);
    else if (record_.stage == Stage::Teaching)
        teaching_.speak(slot);
    // A wrong press ends the quiz at once, and its words go with every look they had.
    if (record_.stage == Stage::Teaching || record_.tadpoleActive)
        view_.setCaptionRed(slot, true);
}
