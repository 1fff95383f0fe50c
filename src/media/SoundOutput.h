#pragma once

class QByteArray;
class QString;

// How a sound is started: Async returns at once; Sync returns when the sound has ended and
// blocks the calling (UI) thread meanwhile, so input made during it is handled afterwards.
enum class PlayMode { Async, Sync };

// Where sounds go. One sound at a time for the whole program: starting a sound stops the one
// playing before anything else happens. Failures are silent: a sound that cannot be played
// is treated as played (a synchronous play then returns at once).
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Plays a complete RIFF WAVE image. The bytes must stay alive and unchanged until the
    // next call, because an asynchronous sound is read from them while it plays.
    virtual void playMemory(const QByteArray &wave, PlayMode mode) = 0;
    // Plays the WAVE file at path asynchronously; a missing or unplayable file plays a short
    // default sound instead.
    virtual void playFile(const QString &path) = 0;
    // Stops the sound playing, if any, so that its bytes may be released.
    virtual void stop() = 0;
};
