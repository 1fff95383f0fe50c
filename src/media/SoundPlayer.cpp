#include "SoundPlayer.h"

#include "Resources.h"
#include "SoundOutput.h"

void SoundPlayer::playAsync(int sound)
{
    play(sound_, sound, false);
}

void SoundPlayer::playSync(int sound)
{
    play(sound_, sound, true);
}

void SoundPlayer::playWord(int sound)
{
    play(word_, sound, false);
}

void SoundPlayer::replayWord()
{
    output_.stop();
    if (!word_.isEmpty())
        output_.playMemory(word_, PlayMode::Async);
}

void SoundPlayer::playFile(const QString &path)
{
    output_.playFile(path);
}

void SoundPlayer::play(QByteArray &buffer, int sound, bool wait)
{
    // The output may still be reading the buffer that is about to be replaced.
    output_.stop();
    buffer = Resources::sound(sound);
    output_.playMemory(buffer, wait ? PlayMode::Sync : PlayMode::Async);
}
