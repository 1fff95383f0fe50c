// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QByteArray;
class QString;

// Where sounds go. One sound at a time for the whole program: starting a sound stops the one
// playing before anything else happens. Nothing here waits for a sound: a caller that must
// know when a sound is over passes what to do then, and it is called on the caller's (the
// GUI) thread from its event loop, never from inside these calls. Failures are silent: a sound
// that cannot be played counts as played to its end at once.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Plays a complete RIFF WAVE image. When ended is given it is called once, after the
    // sound has played to its end or has been cut off by the next sound or by stop().
    virtual void play(const QByteArray &wave, std::function<void()> ended = {}) = 0;
    // Plays the WAVE file at path; a missing or unplayable file plays a short default sound
    // instead.
    virtual void playFile(const QString &path) = 0;
    // Stops the sound playing, if any.
    virtual void stop() = 0;
    // How loud every sound plays, from 0 (silent) to 1 (as recorded, the default), from now on,
    // the sound playing included.
    virtual void setVolume(double gain) = 0;
};
