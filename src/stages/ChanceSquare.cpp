// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChanceSquare.h"

#include "Catalogue.h"
#include "GameView.h"
#include "HeldSound.h"
#include "KittenWalk.h"
#include "Platform.h"

ChanceSquare::ChanceSquare(GameView &view, HeldSound &held, Platform &platform, KittenWalk &walk)
    : view_(view), held_(held), platform_(platform), walk_(walk)
{
}

void ChanceSquare::run()
{
    const bool caterpillar = randomBelow(platform_, 2) == 0;
    view_.paintScene(caterpillar ? Bitmap::CaterpillarScene : Bitmap::BeeScene);
    held_.play(caterpillar ? Sound::CaterpillarStory : Sound::BeeStory, [this, caterpillar] {
        if (caterpillar)
            walk_.start(3, Direction::Backward);
        else
            walk_.start(4, Direction::Forward);
    });
}
