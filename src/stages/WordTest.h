#pragma once

#include <QPointF>

#include <functional>

struct Controls;
struct GameState;
class Platform;
class Sounds;

// The test square: the four words of a group are spoken in order and the child presses the
// matching caption each time; the tadpole replays the word. Four right answers pass; the
// first wrong one fails. Either way the test ends through the bee button's click.
class WordTest {
public:
    WordTest(GameState &state, Controls &controls, Sounds &sounds, Platform &platform,
             std::function<void()> PicOut_Click);

    void startWordTest();
    // Fills examOrder(0..n-1) with a random permutation of 0..n-1.
    void shuffleTestOrder(int n);
    // Speaks the word with index examCount.
    void askNextTestWord();
    // Judges a press on caption index (the test side of a caption press).
    void answer(int index);
    void PicRep_Click();
    void PicRep_MouseMove(QPointF position);

private:
    // The group the kitten's test square asks: its index minus one.
    int askedGroup() const;
    // The word number of word k of group.
    int wordNumber(int k, int group) const;
    // The tadpole in its normal look, visible.
    void showReplayButton();
    // Caption index shows word k of group and becomes visible.
    void fillCaption(int index, int group, int k);
    // The captions of each level: level 1 with hidden pictures in their columns, level 2 in
    // one row, level 3 mixed with the next group's words in two rows.
    void layOutLevel1();
    void layOutLevel2();
    void layOutLevel3();

    GameState &state_;
    Controls &controls_;
    Sounds &sounds_;
    Platform &platform_;
    std::function<void()> PicOut_Click_;
};
