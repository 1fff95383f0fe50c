#include "ChanceSquare.h"

#include "Catalogue.h"
#include "GameView.h"
#include "KittenWalk.h"
#include "Platform.h"
#include "SoundPlayer.h"

ChanceSquare::ChanceSquare(GameView &view, SoundPlayer &sounds, Platform &platform,
                           KittenWalk &walk)
    : view_(view), sounds_(sounds), platform_(platform), walk_(walk)
{
}

void ChanceSquare::run()
{
    const bool caterpillar = randomBelow(platform_, 2) == 0;
    view_.paintScene(caterpillar ? Bitmap::CaterpillarScene : Bitmap::BeeScene);
    // Puts the creature on screen before its story holds the thread.
    platform_.processPendingEvents();
    sounds_.playSync(caterpillar ? Sound::CaterpillarStory : Sound::BeeStory);
    if (caterpillar)
        walk_.start(3, Direction::Backward);
    else
        walk_.start(4, Direction::Forward);
}
