// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"

#include <functional>
#include <optional>

class QString;
class SoundOutput;

// The game's sounds by id, one at a time, each starting at once. It remembers the last word
// pronounced, which the tadpole repeats.
class SoundPlayer {
public:
    explicit SoundPlayer(SoundOutput &output) : output_(output) {}

    void play(SoundId sound);
    // A sound whose end the game waits for: ended runs from the event loop once the sound has
    // played to its end (or been cut off), at once when there is no sound.
    void playHeld(SoundId sound, std::function<void()> ended);
    // A word's pronunciation.
    void playWord(SoundId sound);
    // The last word pronounced again from its start; nothing before the first word.
    void replayWord();
    // The WAVE file at path.
    void playFile(const QString &path);

private:
    SoundOutput &output_;
    std::optional<SoundId> lastWord_;
};
