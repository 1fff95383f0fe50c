#include "PoemStage.h"

#include "Board.h"
#include "BoardView.h"
#include "Controls.h"
#include "GameState.h"
#include "PictureBox.h"
#include "Resources.h"
#include "Sounds.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int CaterpillarPicture = 163;
constexpr int FirstTitle = 301;
constexpr int FirstPoet = 302;
constexpr int FirstLine = 303;
constexpr int StringsPerPoem = 10;
constexpr int LinesPerPoem = 4;
constexpr int FirstRecitation = 301;
// Each line is followed by two carriage returns: a break and an empty line.
const QString LineEnd = QStringLiteral("\r\r");

// The body keeps the carriage returns its lines are stored and joined with, but a QLabel
// draws a lone CR as a space, so every CR LF pair and every lone CR becomes one line break.
QString displayedLines(QString body)
{
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return body;
}
} // namespace

PoemStage::PoemStage(GameState &state, Controls &controls, Sounds &sounds, Board &board)
    : state_(state), controls_(controls), sounds_(sounds), board_(board)
{
}

void PoemStage::recitePoem(int poemIndex)
{
    controls_.Picrep->setPicture(Resources::bitmap(CaterpillarPicture));
    controls_.Picrep->show();
    controls_.Pic1->clear();
    for (QLabel *label : controls_.LabSh)
        label->show();
    showTexts(poemIndex);
    // The recitation blocks the thread, so the poem is painted now, synchronously; input
    // that is waiting stays queued until the recitation has ended.
    controls_.Pic1->window()->repaint();
    sounds_.playSync(FirstRecitation + poemIndex);
    for (QLabel *label : controls_.LabSh)
        label->hide();
    board_.redrawBoard(1);
    state_.canSpin = true;
    // Its tick finds the walk state, not a spin result, and only stops the timer again.
    controls_.Timer1->start();
}

void PoemStage::showTexts(int poemIndex)
{
    const int first = StringsPerPoem * poemIndex;
    controls_.LabSh[0]->setText(Resources::string(FirstTitle + first));
    controls_.LabSh[1]->setText(Resources::string(FirstPoet + first));
    QString body;
    for (int j = 0; j < LinesPerPoem; ++j)
        body += Resources::string(FirstLine + first + j) + LineEnd;
    controls_.LabSh[2]->setText(displayedLines(body));
    controls_.LabSh[2]->adjustSize();
}
