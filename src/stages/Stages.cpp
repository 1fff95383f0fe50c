#include "Stages.h"

#include "Caption.h"
#include "Controls.h"
#include "GameState.h"

Stages::Stages(GameState &state, Controls &controls, Sounds &sounds, Platform &platform,
               Board &board, std::function<void()> PicOut_Click)
    : poem(state, controls, sounds, board),
      event(state, controls, sounds, platform),
      teaching(state, controls, sounds),
      test(state, controls, sounds, platform, std::move(PicOut_Click)),
      state_(state),
      controls_(controls)
{
}

void Stages::Label1_MouseDown(int index)
{
    // A press that ends a test leaves "playexam" standing, so it never reaches teaching.
    if (state_.stageState == QLatin1String("playexam"))
        test.answer(index);
    else if (state_.stageState == QLatin1String("playword"))
        teaching.speakWord(index);
    controls_.Label1[index]->setTextColour(Qt::red);
}
