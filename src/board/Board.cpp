#include "Board.h"

#include "BoardView.h"
#include "Controls.h"
#include "GameState.h"
#include "PictureBox.h"
#include "Resources.h"
#include "Sounds.h"

#include <QTimer>

namespace {
constexpr int LastSquare = 43;
constexpr int StepSound = 102;
} // namespace

Board::Board(GameState &state, Controls &controls, Sounds &sounds)
    : state_(state), controls_(controls), sounds_(sounds)
{
}

void Board::setFlow(std::function<void()> enterSquare, std::function<void()> advanceLevel)
{
    enterSquare_ = std::move(enterSquare);
    advanceLevel_ = std::move(advanceLevel);
}

void Board::redrawBoard(int force)
{
    const int left = viewOrigin(state_.squareCol[state_.catPos]);
    const int top = viewOrigin(state_.squareRow[state_.catPos]);
    if (force == 1 || top != state_.viewTop || left != state_.viewLeft) {
        controls_.PicBg->setPicture(Resources::bitmap(120 + state_.level));
        controls_.Pic1->drawScene(controls_.PicBg->picture());
        // The repaint covers the shipped 12 x 12 grid; the icons repaint over any kitten.
        for (int col = 0; col <= 11; ++col) {
            for (int row = 0; row <= 11; ++row) {
                const int square = state_.boardGrid[col][row];
                if (square >= 1)
                    paintSquareIcon(col, row, state_.squareTable[square][0]);
            }
        }
        state_.viewTop = static_cast<int16_t>(top);
        state_.viewLeft = static_cast<float>(left);
    }
    drawKitten(0);
    controls_.Picrep->hide();
}

void Board::paintSquareIcon(int col, int row, int kind)
{
    // Only kinds 1..4 have an icon; a square of any other kind is left as it is.
    if (kind < 1 || kind > static_cast<int>(controls_.PicIco.size()))
        return;
    controls_.Pic1->drawPicture(cellOrigin(col), cellOrigin(row),
                                controls_.PicIco[kind - 1]->picture());
}

void Board::drawKitten(int framePair)
{
    const int x = cellOrigin(state_.squareCol[state_.catPos]);
    const int y = cellOrigin(state_.squareRow[state_.catPos]);
    // The mask clears the kitten's silhouette to black; the image then fills it in, leaving
    // the background everywhere else.
    controls_.Pic1->drawPicture(x, y, controls_.PicBoy[framePair]->picture(),
                                BoardView::RasterOp::And);
    controls_.Pic1->drawPicture(x, y, controls_.PicBoy[framePair + 1]->picture(),
                                BoardView::RasterOp::Xor);
}

int Board::kindOfKittenSquare() const
{
    const int col = state_.squareCol[state_.catPos];
    const int row = state_.squareRow[state_.catPos];
    return state_.squareTable[state_.boardGrid[col][row]][0];
}

void Board::Timer2_Timer()
{
    if (state_.turnState != QLatin1String("gostep"))
        return;
    if (state_.stepsLeft >= 0) {
        if (state_.walkPhase == 0) {
            paintSquareIcon(state_.squareCol[state_.catPos], state_.squareRow[state_.catPos],
                            kindOfKittenSquare());
            drawKitten(2);
            state_.walkPhase = 1;
        } else {
            stepKitten();
            state_.walkPhase = 0;
        }
    } else {
        // The tick after the last step: the walk is over.
        controls_.Timer2->stop();
        if (enterSquare_)
            enterSquare_();
    }
}

void Board::stepKitten()
{
    state_.stepsLeft -= 1;
    state_.catPos += state_.stepDir;
    if (state_.catPos < 1) {
        // No walk back reaches below the first square; should one try, it stops there.
        state_.catPos = 1;
        state_.stepsLeft = -1;
    }
    if (state_.catPos > LastSquare) {
        controls_.Timer2->stop();
        state_.catPos = 1;
        state_.stepsLeft = 0;
        state_.canSpin = false;
        state_.level += 1;
        if (advanceLevel_)
            advanceLevel_();
        return;
    }
    redrawBoard(1);
    sounds_.playAsync(StepSound);
}
