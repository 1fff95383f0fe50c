#include "Spinner.h"

#include "Controls.h"
#include "GameState.h"
#include "PictureBox.h"
#include "Platform.h"
#include "Resources.h"
#include "Sounds.h"

#include <QTimer>

namespace {
constexpr int WhirlSound = 101;
// Face 110 + r shows the number r + 1.
constexpr int FirstResultFace = 110;
constexpr int TiltedSix = 116;
constexpr int Four = 113;
constexpr int TiltedFour = 117;
constexpr int FaceCount = 6;
// The end scene (level 4) already leaves the dial disarmed; levels from here on lock it too.
constexpr int DeadFromLevel = 5;
} // namespace

Spinner::Spinner(GameState &state, Controls &controls, Sounds &sounds, Platform &platform)
    : state_(state), controls_(controls), sounds_(sounds), platform_(platform)
{
}

void Spinner::PicTurn_Click()
{
    if (!state_.canSpin || state_.level >= DeadFromLevel)
        return;
    state_.stepsLeft = static_cast<int16_t>(randomBelow(platform_, FaceCount));
    animateSpinner();
    // A click during the whirl has run a whole spin of its own by now; stepsLeft holds the
    // latest draw, so the face always shows the number the kitten will walk.
    showFace(FirstResultFace + state_.stepsLeft);
    // Restarting keeps the full one-second pause after the face even when Timer1 is still
    // running from the end of a poem.
    controls_.Timer1->start();
    state_.turnState = QStringLiteral("playturn");
    state_.canSpin = false;
}

void Spinner::animateSpinner()
{
    sounds_.playAsync(WhirlSound);
    for (int face : {TiltedSix, Four, TiltedFour, Four}) {
        showFace(face);
        // Lets the frame reach the screen; input waiting now is served here too, which is
        // how a second click can start a nested spin.
        platform_.processPendingEvents();
        platform_.wait100ms();
    }
    showFace(TiltedFour);
}

void Spinner::Timer1_Timer()
{
    controls_.Timer1->stop();
    // After a poem the timer runs once more with no spin result waiting: it only stops.
    if (state_.turnState != QLatin1String("playturn"))
        return;
    state_.stepDir = 1;
    state_.turnState = QStringLiteral("gostep");
    controls_.Timer2->start();
}

void Spinner::showFace(int bitmap)
{
    controls_.PicTurn->setPicture(Resources::bitmap(bitmap));
}
