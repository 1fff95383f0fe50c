#pragma once

// The stages a square can open. The square dispatch calls them; the learning stages
// implement them.
class StageOpeners {
public:
    virtual ~StageOpeners() = default;

    // Shows and recites poem 0..4, then gives the turn back; returns when it is over.
    virtual void recitePoem(int poemIndex) = 0;
    // Opens the teaching stage with pictures always shown (level 1).
    virtual void teachWordsLevel1() = 0;
    // Opens the teaching stage with pictures on hover (level 2) or none (level 3).
    virtual void teachWordsLevel2Up() = 0;
    // Opens the word test of the kitten's square.
    virtual void startWordTest() = 0;
    // Runs the chance square: a creature sends the kitten back or forward.
    virtual void runEventSquare() = 0;
};
