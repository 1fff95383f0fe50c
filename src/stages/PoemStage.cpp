#include "PoemStage.h"

#include "Board.h"
#include "Catalogue.h"
#include "Content.h"
#include "GameRecord.h"
#include "GameTimers.h"
#include "GameView.h"
#include "SoundPlayer.h"
#include "Spinner.h"

PoemStage::PoemStage(GameRecord &record, const Content &content, GameView &view,
                     SoundPlayer &sounds, Board &board, Spinner &spinner, GameTimers &timers)
    : record_(record), content_(content), view_(view), sounds_(sounds), board_(board),
      spinner_(spinner), timers_(timers)
{
}

void PoemStage::recite(int poem)
{
    record_.stage = Stage::Poem;
    view_.showButton(Button::Tadpole, Bitmap::CaterpillarWithCap);
    view_.clearBoard();
    view_.showPoem(content_.poem(poem));
    // The recitation holds the thread, so the poem is painted first; input that comes
    // meanwhile waits until the recitation has ended.
    view_.repaintNow();
    sounds_.playSync(Sound::recitation(poem));
    view_.hidePoem();
    // The repaint also takes the caterpillar away.
    board_.redraw();
    spinner_.arm();
    // Its tick finds no spin result waiting and only stops the timer again.
    timers_.start(GameTimer::SpinDelay);
}
