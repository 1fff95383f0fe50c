#pragma once

struct Controls;
struct GameState;
class Sounds;

// The teaching square: the four words of a group as captions with pictures (always at level
// 1, on hover at level 2, never at level 3); pressing a caption speaks its word. It also owns
// the hover looks of the captions, which the word test shares.
class TeachingStage {
public:
    TeachingStage(GameState &state, Controls &controls, Sounds &sounds);

    void teachWordsLevel1();
    void teachWordsLevel2Up();
    // Speaks the word of caption index (the teaching side of a caption press).
    void speakWord(int index);
    // The pointer over caption index: the hover look the stage and level allow.
    void Label1_MouseMove(int index);
    // The pointer over the board itself: every hover look is taken back.
    void Pic1_MouseMove();

private:
    // Clears the board and lays out the word row of the kitten's teaching square.
    void openStage(bool picturesShown);
    // Whether hovering a caption shows its word's picture: in a level-1 test and in level-2
    // teaching.
    bool picturesOnHover() const;

    GameState &state_;
    Controls &controls_;
    Sounds &sounds_;
};
