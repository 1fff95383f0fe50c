// The main window's controls, placed as the game's layout draws them (pixels at 96 DPI).

#include "Form1.h"

#include "BoardView.h"
#include "Caption.h"
#include "Fonts.h"
#include "PictureBox.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int ClientWidth = 625;
constexpr int ClientHeight = 521;

PictureBox *pictureAt(QWidget *parent, int x, int y, int w, int h, bool shown)
{
    auto *box = new PictureBox(parent);
    box->setGeometry(x, y, w, h);
    box->setVisible(shown);
    return box;
}

QLabel *poemLabel(QWidget *board, QRect geometry, const QFont &font, Qt::Alignment alignment)
{
    auto *label = new QLabel(board);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, BoardView::backgroundColour());
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->hide();
    return label;
}

Caption *wordCaption(QWidget *board, int x, int y)
{
    auto *caption = new Caption(board);
    caption->setGeometry(x, y, 58, 35);
    caption->setFont(Fonts::caption());
    caption->setTextColour(Qt::black);
    caption->setCursor(Qt::PointingHandCursor);
    caption->hide();
    return caption;
}

QTimer *gameTimer(QObject *parent, int milliseconds)
{
    auto *timer = new QTimer(parent);
    timer->setInterval(milliseconds);
    // A precise timer keeps the kitten's walk in an even rhythm.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

} // namespace

void Form1::createControls()
{
    setWindowTitle(QStringLiteral("小猫学汉字"));
    setFixedSize(ClientWidth, ClientHeight);

    controls_.Pic1 = new BoardView(this);
    controls_.Pic1->move(0, 0);
    controls_.PicTurn = pictureAt(this, 528, 24, 89, 89, true);
    controls_.Pichp = pictureAt(this, 544, 376, 41, 33, true);
    controls_.Pichp->setToolTip(QStringLiteral("帮助"));
    // The holders keep pictures the board is painted from; they are never shown.
    for (int i = 0; i < 4; ++i) {
        controls_.PicBoy[i] = pictureAt(this, 528 + 10 * i, 424, 39, 39, false);
        controls_.PicIco[i] = pictureAt(this, 528 + 10 * i, 464, 39, 39, false);
    }
    controls_.PicBg = pictureAt(this, 600, 424, 25, 25, false);
    controls_.Timer1 = gameTimer(this, 1000);
    controls_.Timer2 = gameTimer(this, 200);
    createBoardControls();
}

void Form1::createBoardControls()
{
    QWidget *board = controls_.Pic1;
    controls_.Picrep = pictureAt(board, 352, 392, 41, 41, false);
    controls_.PicOut = pictureAt(board, 384, 384, 41, 41, false);
    const int pictureLeft[4] = {72, 184, 288, 392};
    for (int k = 0; k < 4; ++k)
        controls_.PicWord[k] = pictureAt(board, pictureLeft[k], 56, 89, 89, false);

    controls_.LabSh[0] = poemLabel(board, {56, 344, 217, 25}, Fonts::poemText(), Qt::AlignHCenter);
    controls_.LabSh[1] = poemLabel(board, {72, 376, 185, 25}, Fonts::poemAuthor(), Qt::AlignRight);
    controls_.LabSh[2] = poemLabel(board, {80, 408, 56, 20}, Fonts::poemText(), Qt::AlignLeft);

    const int firstRowLeft[4] = {72, 192, 296, 408};
    const int secondRowLeft[4] = {72, 192, 296, 416};
    for (int k = 0; k < 4; ++k) {
        controls_.Label1[k] = wordCaption(board, firstRowLeft[k], 184);
        controls_.Label1[k + 4] = wordCaption(board, secondRowLeft[k], 296);
    }
}
