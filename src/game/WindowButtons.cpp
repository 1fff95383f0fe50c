#include "WindowButtons.h"

#include "Board.h"
#include "BoardView.h"
#include "Caption.h"
#include "Controls.h"
#include "GameState.h"
#include "HoverLook.h"
#include "PictureBox.h"
#include "Resources.h"
#include "Sounds.h"

#include <QTimer>

namespace {
constexpr int BeeNormal = 160;
constexpr int BeeHover = 161;
constexpr int HelpNormal = 164;
constexpr int HelpHover = 165;
constexpr int TestPassedSound = 106;
constexpr int TestFailedSound = 107;
constexpr int StopSound = 900;
} // namespace

WindowButtons::WindowButtons(GameState &state, Controls &controls, Sounds &sounds, Board &board,
                             std::function<void()> openHelp)
    : state_(state), controls_(controls), sounds_(sounds), board_(board),
      openHelp_(std::move(openHelp))
{
}

void WindowButtons::PicOut_Click()
{
    state_.replayEnabled = false;
    for (int k = 0; k < state_.wordsPerGroup; ++k) {
        controls_.Label1[k]->hide();
        controls_.PicWord[k]->hide();
        controls_.Label1[k + state_.wordsPerGroup]->hide();
    }
    // The full repaint also hides the tadpole.
    board_.redrawBoard(1);
    if (state_.stageState == QLatin1String("playword")) {
        controls_.PicOut->hide();
        state_.canSpin = true;
    }
    if (state_.stageState == QLatin1String("playexam"))
        concludeTest();
}

void WindowButtons::concludeTest()
{
    state_.replayEnabled = false;
    controls_.PicOut->hide();
    if (state_.examAllRight && state_.examCount == state_.wordsPerGroup) {
        sounds_.playSync(TestPassedSound);
        state_.canSpin = true;
        return;
    }
    sounds_.playSync(TestFailedSound);
    // Back to the square that taught the same words; the walk makes stepsLeft + 1 steps.
    const int index = state_.squareTable[state_.catPos][1];
    state_.stepsLeft = static_cast<int16_t>(state_.catPos - state_.teachSquareOf[index] - 1);
    state_.stepDir = -1;
    controls_.Timer2->start();
}

void WindowButtons::PicOut_MouseMove(QPointF position)
{
    applyHoverLook(*controls_.PicOut, position, BeeNormal, BeeHover);
}

void WindowButtons::Pichp_MouseMove(QPointF position)
{
    applyHoverLook(*controls_.Pichp, position, HelpNormal, HelpHover);
}

void WindowButtons::Pichp_Click()
{
    // Silences whatever is playing: narration, a word, a poem.
    sounds_.playAsync(StopSound);
    controls_.Pichp->setPicture(Resources::bitmap(HelpNormal));
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    // The game takes no input while the help is open; its timers run on.
    controls_.Pic1->window()->setEnabled(false);
    openHelp_();
}
