// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"

#include <functional>

class GameView;
class SoundPlayer;

// A sound the game waits for: a square's announcement, a poem's recitation, the quiz's right,
// passed and failed sounds, a chance square's story. It starts once the screen shows what the
// game shows at that point; at its end, what follows it runs. While it plays, the child's
// presses do nothing and the timers' ticks wait (the game asks isPlaying()).
class HeldSound {
public:
    HeldSound(GameView &view, SoundPlayer &sounds);

    // What runs after the end of every held sound and what followed it.
    void setAfterEnd(std::function<void()> afterEnd);

    // Plays sound and runs then after its end.
    void play(SoundId sound, std::function<void()> then);
    bool isPlaying() const { return playing_; }

private:
    void end(const std::function<void()> &then);

    GameView &view_;
    SoundPlayer &sounds_;
    std::function<void()> afterEnd_;
    bool playing_ = false;
};
