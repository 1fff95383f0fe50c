#include "Stages.h"

#include "GameRecord.h"
#include "GameView.h"

Stages::Stages(GameRecord &record, const Content &content, GameView &view, GameTimers &timers,
               SoundPlayer &sounds, Platform &platform, Board &board, Spinner &spinner,
               KittenWalk &walk)
    : record_(record), view_(view), poem_(record, content, view, sounds, board, spinner, timers),
      teaching_(record, content, view, sounds, board, spinner),
      quiz_(record, content, view, sounds, platform, board, spinner, walk),
      chance_(view, sounds, platform, walk), hover_(record, view)
{
}

void Stages::onCaptionPressed(int slot)
{
    // A press that ends a quiz leaves the stage at Quiz, so it never reaches the teaching.
    if (record_.stage == Stage::Quiz)
        quiz_.answer(slot);
    else if (record_.stage == Stage::Teaching)
        teaching_.speak(slot);
    view_.setCaptionRed(slot, true);
}
