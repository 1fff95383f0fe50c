// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPlayer.h"

#include "Resources.h"
#include "SoundOutput.h"

void SoundPlayer::play(SoundId sound)
{
    output_.play(Resources::sound(sound));
}

void SoundPlayer::playHeld(SoundId sound, std::function<void()> ended)
{
    output_.play(Resources::sound(sound), std::move(ended));
}

void SoundPlayer::playWord(SoundId sound)
{
    lastWord_ = sound;
    play(sound);
}

void SoundPlayer::replayWord()
{
    if (lastWord_)
        play(*lastWord_);
}

void SoundPlayer::playFile(const QString &path)
{
    output_.playFile(path);
}
