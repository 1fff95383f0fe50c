#pragma once

#include "EventSquare.h"
#include "PoemStage.h"
#include "StageOpeners.h"
#include "TeachingStage.h"
#include "WordTest.h"

#include <functional>

// The four learning stages together: what the square dispatch opens, and the caption press
// that both word stages share.
class Stages : public StageOpeners {
public:
    Stages(GameState &state, Controls &controls, Sounds &sounds, Platform &platform,
           Board &board, std::function<void()> PicOut_Click);

    void recitePoem(int poemIndex) override { poem.recitePoem(poemIndex); }
    void teachWordsLevel1() override { teaching.teachWordsLevel1(); }
    void teachWordsLevel2Up() override { teaching.teachWordsLevel2Up(); }
    void startWordTest() override { test.startWordTest(); }
    void runEventSquare() override { event.runEventSquare(); }

    // A press on caption index: judged in a test, spoken in teaching, turned red always.
    void Label1_MouseDown(int index);

    PoemStage poem;
    EventSquare event;
    TeachingStage teaching;
    WordTest test;

private:
    GameState &state_;
    Controls &controls_;
};
