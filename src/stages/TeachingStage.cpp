#include "TeachingStage.h"

#include "BoardView.h"
#include "Caption.h"
#include "Controls.h"
#include "GameState.h"
#include "PictureBox.h"
#include "Resources.h"
#include "Sounds.h"
#include "WordRow.h"

namespace {
constexpr int BeeNormal = 160;
} // namespace

using namespace WordRow;

TeachingStage::TeachingStage(GameState &state, Controls &controls, Sounds &sounds)
    : state_(state), controls_(controls), sounds_(sounds)
{
}

void TeachingStage::teachWordsLevel1()
{
    openStage(true);
}

void TeachingStage::teachWordsLevel2Up()
{
    openStage(false);
}

void TeachingStage::openStage(bool picturesShown)
{
    state_.stageState = QStringLiteral("playword");
    const int group = state_.squareTable[state_.catPos][1] - 1;
    controls_.Pic1->clear();
    controls_.PicOut->setPicture(Resources::bitmap(BeeNormal));
    controls_.PicOut->show();
    const int left = static_cast<int>(state_.viewLeft);
    for (int k = 0; k < state_.wordsPerGroup; ++k) {
        const int word = state_.wordGroups[k][group].toInt();
        PictureBox *picture = controls_.PicWord[k];
        Caption *caption = controls_.Label1[k];
        picture->setPicture(Resources::bitmap(FirstWordPicture + word));
        // Pictures keep the top the window layout gave them.
        picture->move(left + PictureLeft + ColumnWidth * k, picture->y());
        picture->setVisible(picturesShown);
        caption->setCaption(state_.wordList[word]);
        caption->move(left + CaptionLeft + ColumnWidth * k, state_.viewTop + CaptionTop);
        caption->show();
    }
}

void TeachingStage::speakWord(int index)
{
    const int group = state_.squareTable[state_.catPos][1] - 1;
    sounds_.playWord(FirstWordSound + state_.wordGroups[index][group].toInt());
}

bool TeachingStage::picturesOnHover() const
{
    return (state_.stageState == QLatin1String("playexam") && state_.level == 1) ||
           (state_.stageState == QLatin1String("playword") && state_.level == 2);
}

void TeachingStage::Label1_MouseMove(int index)
{
    if (picturesOnHover() && index != state_.hoverWord) {
        controls_.PicWord[index]->show();
        controls_.Label1[index]->setTextColour(Qt::red);
        state_.hoverWord = static_cast<int16_t>(index);
    }
    // In a test every caption under the pointer turns red, with or without a picture.
    if (state_.stageState == QLatin1String("playexam") && state_.hoverWord != index)
        controls_.Label1[index]->setTextColour(Qt::red);
}

void TeachingStage::Pic1_MouseMove()
{
    for (Caption *caption : controls_.Label1)
        caption->setTextColour(Qt::black);
    if (picturesOnHover() && state_.hoverWord != -1) {
        for (PictureBox *picture : controls_.PicWord)
            picture->hide();
    }
    state_.hoverWord = -1;
}
