#include "WordRow.h"

#include "Board.h"
#include "GameRecord.h"
#include "GameView.h"

void WordRow::close(GameRecord &record, GameView &view, Board &board)
{
    record.tadpoleActive = false;
    view.hideWordRow();
    board.redraw();
}
