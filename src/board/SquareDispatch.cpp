#include "SquareDispatch.h"

#include "GameState.h"
#include "Sounds.h"
#include "StageOpeners.h"

namespace {
constexpr int PoemKind = 1;
constexpr int TeachingKind = 2;
constexpr int TestKind = 3;
constexpr int EventKind = 4;
// The announcement of kind k is sound 110 + k.
constexpr int AnnouncementBase = 110;

bool opensAStage(int kind)
{
    return kind >= PoemKind && kind <= EventKind;
}
} // namespace

SquareDispatch::SquareDispatch(GameState &state, Sounds &sounds, StageOpeners &stages)
    : state_(state), sounds_(sounds), stages_(stages)
{
}

void SquareDispatch::enterSquare()
{
    state_.canSpin = false;
    announceSquareKind();
    const int index = state_.squareTable[state_.catPos][1];
    switch (state_.squareTable[state_.catPos][0]) {
    case PoemKind:
        state_.stageState = QStringLiteral("playstory");
        // The table counts poems from 1; the stage counts them from 0.
        stages_.recitePoem(index - 1);
        break;
    case TeachingKind:
        if (state_.level == 1)
            stages_.teachWordsLevel1();
        else
            stages_.teachWordsLevel2Up();
        break;
    case TestKind:
        stages_.startWordTest();
        break;
    case EventKind:
        stages_.runEventSquare();
        break;
    default:
        // A square without a stage has nothing to announce or open; arming the spinner keeps
        // the child from being stuck on it.
        state_.canSpin = true;
        break;
    }
}

void SquareDispatch::announceSquareKind()
{
    const int kind = state_.squareTable[state_.catPos][0];
    if (opensAStage(kind))
        sounds_.playSync(AnnouncementBase + kind);
}
