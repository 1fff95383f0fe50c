#include "EventSquare.h"

#include "BoardView.h"
#include "Controls.h"
#include "GameState.h"
#include "PictureBox.h"
#include "Platform.h"
#include "Resources.h"
#include "Sounds.h"

#include <QTimer>

namespace {
// Draw 0 is the caterpillar, draw 1 the bee: picture 131 + r, sound 103 + r.
constexpr int Caterpillar = 0;
constexpr int FirstCreaturePicture = 131;
constexpr int FirstCreatureSound = 103;
constexpr int CreatureCount = 2;
// A walk covers stepsLeft + 1 squares: three back or four forward.
constexpr int StepsBack = 2;
constexpr int StepsForward = 3;
} // namespace

EventSquare::EventSquare(GameState &state, Controls &controls, Sounds &sounds, Platform &platform)
    : state_(state), controls_(controls), sounds_(sounds), platform_(platform)
{
}

void EventSquare::runEventSquare()
{
    const int creature = randomBelow(platform_, CreatureCount);
    controls_.PicBg->setPicture(Resources::bitmap(FirstCreaturePicture + creature));
    controls_.Pic1->drawScene(controls_.PicBg->picture());
    // Puts the creature on screen before its sound blocks the thread.
    platform_.processPendingEvents();
    sounds_.playSync(FirstCreatureSound + creature);
    if (creature == Caterpillar) {
        state_.stepsLeft = StepsBack;
        state_.stepDir = -1;
    } else {
        state_.stepsLeft = StepsForward;
        state_.stepDir = 1;
    }
    // turnState is still "gostep" from the spin that led here, so the next tick walks.
    controls_.Timer2->start();
}
