// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PoemStage.h"

#include "Board.h"
#include "Catalogue.h"
#include "Content.h"
#include "GameRecord.h"
#include "GameTimers.h"
#include "GameView.h"
#include "HeldSound.h"
#include "Spinner.h"

PoemStage::PoemStage(GameRecord &record, const Content &content, GameView &view, HeldSound &held,
                     Board &board, Spinner &spinner, GameTimers &timers)
    : record_(record), content_(content), view_(view), held_(held), board_(board),
      spinner_(spinner), timers_(timers)
{
}

void PoemStage::recite(int poem)
{
    record_.stage = Stage::Poem;
    view_.showButton(Button::Tadpole, Bitmap::CaterpillarWithCap);
    view_.clearBoard();
    view_.showPoem(content_.poem(poem));
    held_.play(Sound::recitation(poem), [this] { finish(); });
}

void PoemStage::finish()
{
    view_.hidePoem();
    // The repaint also takes the caterpillar away.
    board_.redraw();
    spinner_.arm();
    // Its tick finds no spin result waiting and only stops the timer again.
    timers_.start(GameTimer::SpinDelay);
}
