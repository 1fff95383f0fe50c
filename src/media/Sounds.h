#pragma once

struct GameState;
class QString;
class SoundOutput;

// The game's sound player: loads resource sounds into the game state's buffers and hands them
// to the sound output. Resource sounds go through soundData, word pronunciations through
// examWordSound; each buffer keeps its bytes until the next sound of its kind replaces them,
// which is what keeps an asynchronous sound's data alive while it plays.
class Sounds {
public:
    Sounds(GameState &state, SoundOutput &output);

    // Sound resource id from soundData, returning at once.
    void playAsync(int id);
    // Sound resource id from soundData, returning when it has ended.
    void playSync(int id);
    // Word pronunciation resource id from examWordSound, returning at once.
    void playWord(int id);
    // The word already in examWordSound again, from its start.
    void replayWord();
    // The WAVE file at path; its path is remembered in soundFile.
    void playFile(const QString &path);

private:
    GameState &state_;
    SoundOutput &output_;
};
