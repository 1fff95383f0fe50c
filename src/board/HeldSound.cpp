// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeldSound.h"

#include "GameView.h"
#include "SoundPlayer.h"

HeldSound::HeldSound(GameView &view, SoundPlayer &sounds) : view_(view), sounds_(sounds) {}

void HeldSound::setAfterEnd(std::function<void()> afterEnd)
{
    afterEnd_ = std::move(afterEnd);
}

void HeldSound::play(SoundId sound, std::function<void()> then)
{
    playing_ = true;
    view_.whenShown([this, sound, then = std::move(then)] {
        sounds_.playHeld(sound, [this, then] { end(then); });
    });
}

void HeldSound::end(const std::function<void()> &then)
{
    playing_ = false;
    then();
    if (afterEnd_)
        afterEnd_();
}
