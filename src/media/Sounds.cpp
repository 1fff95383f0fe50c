#include "Sounds.h"

#include "GameState.h"
#include "Resources.h"
#include "SoundOutput.h"

Sounds::Sounds(GameState &state, SoundOutput &output) : state_(state), output_(output) {}

// Every start stops the playing sound first: the output may still be reading the buffer that
// is about to be overwritten.
void Sounds::playAsync(int id)
{
    output_.stop();
    state_.soundData = Resources::sound(id);
    output_.playMemory(state_.soundData, PlayMode::Async);
}

void Sounds::playSync(int id)
{
    output_.stop();
    state_.soundData = Resources::sound(id);
    output_.playMemory(state_.soundData, PlayMode::Sync);
}

void Sounds::playWord(int id)
{
    output_.stop();
    state_.examWordSound = Resources::sound(id);
    output_.playMemory(state_.examWordSound, PlayMode::Async);
}

void Sounds::replayWord()
{
    output_.stop();
    if (!state_.examWordSound.isEmpty())
        output_.playMemory(state_.examWordSound, PlayMode::Async);
}

void Sounds::playFile(const QString &path)
{
    state_.soundFile = path;
    output_.playFile(path);
}
