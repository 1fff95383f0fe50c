#pragma once

#include <QByteArray>

class QString;
class SoundOutput;

// The game's sounds by number, one at a time. It keeps the bytes of the sound playing alive
// while the output reads them: one buffer for the word pronunciations, which the tadpole
// replays, and one for every other built-in sound. Every start stops the sound playing first,
// so no buffer is overwritten while it is still being read.
class SoundPlayer {
public:
    explicit SoundPlayer(SoundOutput &output) : output_(output) {}

    // A built-in sound, returning at once.
    void playAsync(int sound);
    // A built-in sound, returning when it has ended; the calling thread waits meanwhile.
    void playSync(int sound);
    // A word's pronunciation, returning at once.
    void playWord(int sound);
    // The last word pronounced again from its start; nothing before the first word.
    void replayWord();
    // The WAVE file at path, returning at once.
    void playFile(const QString &path);

private:
    void play(QByteArray &buffer, int sound, bool wait);

    SoundOutput &output_;
    QByteArray sound_;
    QByteArray word_;
};
