#include "WordTest.h"

#include "BoardView.h"
#include "Caption.h"
#include "Controls.h"
#include "GameState.h"
#include "HoverLook.h"
#include "PictureBox.h"
#include "Platform.h"
#include "Resources.h"
#include "Sounds.h"
#include "WordRow.h"

namespace {
constexpr int RightAnswerSound = 105;
constexpr int ReplayNormal = 158;
constexpr int ReplayHover = 159;
// Level 3: two rows of four narrower columns.
constexpr int GridLeft = 50;
constexpr int GridColumnWidth = 100;
constexpr int SecondRowTop = 260;
} // namespace

using namespace WordRow;

WordTest::WordTest(GameState &state, Controls &controls, Sounds &sounds, Platform &platform,
                   std::function<void()> PicOut_Click)
    : state_(state), controls_(controls), sounds_(sounds), platform_(platform),
      PicOut_Click_(std::move(PicOut_Click))
{
}

void WordTest::startWordTest()
{
    state_.stageState = QStringLiteral("playexam");
    state_.replayEnabled = true;
    showReplayButton();
    state_.examCount = 0;
    controls_.Pic1->clear();
    sounds_.playWord(FirstWordSound + wordNumber(0, askedGroup()));
    if (state_.level == 1)
        layOutLevel1();
    else if (state_.level == 2)
        layOutLevel2();
    else
        layOutLevel3();
}

void WordTest::shuffleTestOrder(int n)
{
    for (int i = 0; i < n; ++i)
        state_.examOrder[i] = static_cast<int16_t>(i);
    // Each pass moves a randomly chosen entry to the front.
    for (int pass = 0; pass < n; ++pass) {
        const int k = randomBelow(platform_, n);
        const int16_t chosen = state_.examOrder[k];
        for (int m = k; m >= 1; --m)
            state_.examOrder[m] = state_.examOrder[m - 1];
        state_.examOrder[0] = chosen;
    }
}

void WordTest::askNextTestWord()
{
    state_.replayEnabled = true;
    showReplayButton();
    state_.stageState = QStringLiteral("playexam");
    state_.examAllRight = true;
    sounds_.playWord(FirstWordSound + wordNumber(state_.examCount, askedGroup()));
}

void WordTest::answer(int index)
{
    // Only the caption of the word being asked is right; any other press ends the test failed.
    if (index != state_.examCount) {
        PicOut_Click_();
        return;
    }
    sounds_.playSync(RightAnswerSound);
    state_.examCount += 1;
    if (state_.examCount >= state_.wordsPerGroup) {
        state_.examAllRight = true;
        PicOut_Click_();
    } else {
        askNextTestWord();
    }
}

void WordTest::PicRep_Click()
{
    if (state_.replayEnabled)
        sounds_.replayWord();
}

void WordTest::PicRep_MouseMove(QPointF position)
{
    // Once the test is over the tadpole keeps whatever look it has.
    if (state_.replayEnabled)
        applyHoverLook(*controls_.Picrep, position, ReplayNormal, ReplayHover);
}

int WordTest::askedGroup() const
{
    return state_.squareTable[state_.catPos][1] - 1;
}

int WordTest::wordNumber(int k, int group) const
{
    return state_.wordGroups[k][group].toInt();
}

void WordTest::showReplayButton()
{
    controls_.Picrep->setPicture(Resources::bitmap(ReplayNormal));
    controls_.Picrep->show();
}

void WordTest::fillCaption(int index, int group, int k)
{
    Caption *caption = controls_.Label1[index];
    caption->setCaption(state_.wordList[wordNumber(k, group)]);
    caption->show();
}

void WordTest::layOutLevel1()
{
    shuffleTestOrder(state_.wordsPerGroup);
    const int group = askedGroup();
    for (int i = 0; i < state_.wordsPerGroup; ++i) {
        fillCaption(i, group, i);
        // Loaded for the hover look; the picture stays hidden until then.
        const int word = wordNumber(i, group);
        controls_.PicWord[i]->setPicture(Resources::bitmap(FirstWordPicture + word));
    }
    // Picture and caption of a word share a column; both keep their tops.
    const int left = static_cast<int>(state_.viewLeft);
    for (int q = 0; q < state_.wordsPerGroup; ++q) {
        const int j = state_.examOrder[q];
        PictureBox *picture = controls_.PicWord[j];
        Caption *caption = controls_.Label1[j];
        picture->move(left + PictureLeft + ColumnWidth * q, picture->y());
        caption->move(left + CaptionLeft + ColumnWidth * q, caption->y());
    }
}

void WordTest::layOutLevel2()
{
    shuffleTestOrder(state_.wordsPerGroup);
    const int group = askedGroup();
    for (int i = 0; i < state_.wordsPerGroup; ++i)
        fillCaption(i, group, i);
    const int left = static_cast<int>(state_.viewLeft);
    for (int q = 0; q < state_.wordsPerGroup; ++q) {
        controls_.Label1[state_.examOrder[q]]->move(left + CaptionLeft + ColumnWidth * q,
                                                    state_.viewTop + CaptionTop);
    }
}

void WordTest::layOutLevel3()
{
    const int perGroup = state_.wordsPerGroup;
    shuffleTestOrder(2 * perGroup);
    // The next group's words stand among the asked ones as distractors.
    const int group = askedGroup();
    for (int i = 0; i < perGroup; ++i) {
        fillCaption(i, group, i);
        fillCaption(perGroup + i, group + 1, i);
    }
    const int left = static_cast<int>(state_.viewLeft);
    for (int q = 0; q < perGroup; ++q) {
        const int x = left + GridLeft + GridColumnWidth * q;
        controls_.Label1[state_.examOrder[q]]->move(x, state_.viewTop + CaptionTop);
        controls_.Label1[state_.examOrder[q + perGroup]]->move(x, state_.viewTop + SecondRowTop);
    }
}
