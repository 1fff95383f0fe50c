#include "WordStageFixture.h"

#include "BoardView.h"
#include "WindowButtons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

const QColor Red(Qt::red);
const PlayedSound RightAnswer{105, PlayMode::Sync, {}};
const PlayedSound Passed{106, PlayMode::Sync, {}};
const PlayedSound Failed{107, PlayMode::Sync, {}};

// Shuffle picks that give the order 3, 2, 0, 1 for four captions and 0, 5, 4, 1, 7, 2, 3, 6
// for eight: neither order is its own inverse, so a caption placed by the wrong lookup shows.
const std::initializer_list<int> FourPicks = {2, 3, 1, 1};
const std::initializer_list<int> EightPicks = {5, 2, 7, 1, 6, 0, 3, 4};

class WordTestStage : public WordStageFixture {
protected:
    void openTestAt(int level, int index)
    {
        openTest(level, index, level == 3 ? EightPicks : FourPicks);
        // The test is reached by a walk, which leaves the walk state standing.
        state.turnState = QStringLiteral("gostep");
    }

    PlayedSound spoken(int k, int index) const
    {
        return {201 + word(k, index - 1), PlayMode::Async, {}};
    }

    // The sounds of a test on index answered right up to word count, then ended by end.
    std::vector<PlayedSound> rightAnswersThen(int index, int count, PlayedSound end) const
    {
        std::vector<PlayedSound> heard{spoken(0, index)};
        for (int k = 0; k < count; ++k) {
            heard.push_back(RightAnswer);
            if (k + 1 < 4)
                heard.push_back(spoken(k + 1, index));
        }
        heard.push_back(end);
        return heard;
    }

    void expectTestOver()
    {
        EXPECT_EQ(visibleCaptions(), std::vector<int>{});
        for (PictureBox *picture : controls.PicWord)
            EXPECT_TRUE(picture->isHidden());
        EXPECT_TRUE(controls.Picrep->isHidden());
        EXPECT_FALSE(state.replayEnabled);
        EXPECT_EQ(state.stageState, "playexam");
    }

    void expectWalkBackFrom(int testSquare, int index)
    {
        EXPECT_EQ(state.stepsLeft, testSquare - state.teachSquareOf[index] - 1);
        EXPECT_EQ(state.stepDir, -1);
        EXPECT_TRUE(controls.Timer2->isActive());
        EXPECT_FALSE(state.canSpin);
    }
};

TEST_F(WordTestStage, startsBySpeakingTheFirstWordOfTheGroupWithTheTadpoleReady)
{
    openTestAt(2, 6);
    EXPECT_EQ(platform.output.played, std::vector<PlayedSound>{spoken(0, 6)});
    EXPECT_EQ(state.examWordSound, Resources::sound(201 + word(0, 5)));
    EXPECT_EQ(state.stageState, "playexam");
    EXPECT_TRUE(state.replayEnabled);
    EXPECT_EQ(state.examCount, 0);
    EXPECT_FALSE(controls.Picrep->isHidden());
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
    QImage blank(BoardView::Size, BoardView::Size, QImage::Format_RGB32);
    blank.fill(BoardView::backgroundColour());
    EXPECT_EQ(controls.Pic1->canvas().convertToFormat(QImage::Format_RGB32), blank);
}

TEST_F(WordTestStage, levelOnePlacesCaptionsAndHiddenPicturesInShuffledColumns)
{
    openTestAt(1, 3);
    ASSERT_EQ(std::vector<int>(state.examOrder.begin(), state.examOrder.begin() + 4),
              (std::vector<int>{3, 2, 0, 1}));
    for (int q = 0; q < 4; ++q) {
        SCOPED_TRACE(q);
        const int j = state.examOrder[q];
        // No teaching stage has moved the captions yet: they keep the layout's top.
        EXPECT_EQ(controls.Label1[j]->pos(), QPoint(30 + 125 * q, 184));
        EXPECT_EQ(controls.Label1[j]->text(), state.wordList[word(j, 2)]);
        EXPECT_EQ(controls.PicWord[j]->pos(), QPoint(13 + 125 * q, 56));
        EXPECT_EQ(controls.PicWord[j]->picture(), Resources::bitmap(200 + word(j, 2)));
        EXPECT_TRUE(controls.PicWord[j]->isHidden());
    }
    EXPECT_EQ(visibleCaptions(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(WordTestStage, levelOneCaptionsKeepTheRowTheTeachingStageGaveThem)
{
    openTeaching(1, 3);
    form.buttons().PicOut_Click();
    openTestAt(1, 3);
    for (int q = 0; q < 4; ++q)
        EXPECT_EQ(controls.Label1[state.examOrder[q]]->pos(), QPoint(30 + 125 * q, 180));
}

TEST_F(WordTestStage, levelTwoPlacesTheFourCaptionsInOneShuffledRow)
{
    openTestAt(2, 12);
    for (int q = 0; q < 4; ++q) {
        const int j = state.examOrder[q];
        EXPECT_EQ(controls.Label1[j]->pos(), QPoint(30 + 125 * q, 180));
        EXPECT_EQ(controls.Label1[j]->text(), state.wordList[word(j, 11)]);
    }
    EXPECT_EQ(visibleCaptions(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(WordTestStage, levelThreeMixesTheNextGroupsWordsIntoTwoShuffledRows)
{
    openTestAt(3, 4);
    ASSERT_EQ(std::vector<int>(state.examOrder.begin(), state.examOrder.begin() + 8),
              (std::vector<int>{0, 5, 4, 1, 7, 2, 3, 6}));
    for (int q = 0; q < 4; ++q) {
        SCOPED_TRACE(q);
        EXPECT_EQ(controls.Label1[state.examOrder[q]]->pos(), QPoint(50 + 100 * q, 180));
        EXPECT_EQ(controls.Label1[state.examOrder[q + 4]]->pos(), QPoint(50 + 100 * q, 260));
        EXPECT_EQ(controls.Label1[q]->text(), state.wordList[word(q, 3)]);
        EXPECT_EQ(controls.Label1[q + 4]->text(), state.wordList[word(q, 4)]);
    }
    EXPECT_EQ(visibleCaptions(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(WordTestStage, levelThreeOnTheLastTestIndexTakesItsDistractorsFromGroupSixteen)
{
    openTestAt(3, 16);
    const QString asked[] = {"铅笔", "手表", "台灯", "钟表"};
    const QString distractors[] = {"厨房", "大衣", "袋子", "蛋糕"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(controls.Label1[i]->text(), asked[i]);
        EXPECT_EQ(controls.Label1[i + 4]->text(), distractors[i]);
    }
    EXPECT_EQ(platform.output.ids(), std::vector<int>{201 + 19});
}

// Judging, at every level.
class WordTestAtLevel : public WordTestStage, public testing::WithParamInterface<int> {
protected:
    int level() const { return GetParam(); }
    int captionCount() const { return level() == 3 ? 8 : 4; }
};

TEST_P(WordTestAtLevel, asksTheWordsInGroupOrderAndPassesOnFourRightAnswers)
{
    openTestAt(level(), 7);
    for (int k = 0; k < 4; ++k)
        press(k);
    EXPECT_EQ(platform.output.played, rightAnswersThen(7, 4, Passed));
    EXPECT_TRUE(state.canSpin);
    EXPECT_FALSE(controls.Timer2->isActive());
    EXPECT_EQ(state.examCount, 4);
    EXPECT_TRUE(state.examAllRight);
    expectTestOver();
}

TEST_P(WordTestAtLevel, failsAtTheFirstWrongPressForEveryWordBeingAsked)
{
    for (int asked = 0; asked < 4; ++asked) {
        for (int wrong = 0; wrong < captionCount(); ++wrong) {
            if (wrong == asked)
                continue;
            SCOPED_TRACE(testing::Message() << "asked " << asked << " pressed " << wrong);
            openTestAt(level(), 5);
            const int square = state.catPos;
            for (int k = 0; k < asked; ++k)
                press(k);
            press(wrong);
            EXPECT_EQ(platform.output.played, rightAnswersThen(5, asked, Failed));
            expectWalkBackFrom(square, 5);
            expectTestOver();
            controls.Timer2->stop();
        }
    }
}

TEST_P(WordTestAtLevel, aSecondPressOnTheCaptionJustAnsweredIsJudgedAgainstTheNextWord)
{
    for (int answered = 0; answered < 3; ++answered) {
        SCOPED_TRACE(answered);
        openTestAt(level(), 9);
        for (int k = 0; k <= answered; ++k)
            press(k);
        press(answered);
        EXPECT_EQ(platform.output.played, rightAnswersThen(9, answered + 1, Failed));
        EXPECT_TRUE(controls.Timer2->isActive());
        controls.Timer2->stop();
    }
}

TEST_P(WordTestAtLevel, theTadpoleRepeatsTheWordBeingAskedAndFallsSilentAfterTheEnd)
{
    openTestAt(level(), 2);
    form.stages().test.PicRep_Click();
    press(0);
    form.stages().test.PicRep_Click();
    form.stages().test.PicRep_Click();
    EXPECT_EQ(platform.output.played,
              (std::vector<PlayedSound>{spoken(0, 2), spoken(0, 2), RightAnswer, spoken(1, 2),
                                        spoken(1, 2), spoken(1, 2)}));
    press(3);
    platform.output.clear();
    form.stages().test.PicRep_Click();
    EXPECT_TRUE(platform.output.played.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, WordTestAtLevel, testing::Values(1, 2, 3));

TEST_F(WordTestStage, aWrongFirstPressFailsWithTheFailSoundAlone)
{
    openTestAt(1, 1);
    press(2);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{spoken(0, 1), Failed}));
}

TEST_F(WordTestStage, aPressOnADistractorFailsEvenAfterRightAnswers)
{
    for (int distractor = 4; distractor < 8; ++distractor) {
        SCOPED_TRACE(distractor);
        openTestAt(3, 10);
        press(0);
        press(1);
        press(distractor);
        EXPECT_EQ(platform.output.played, rightAnswersThen(10, 2, Failed));
        EXPECT_TRUE(controls.Timer2->isActive());
        controls.Timer2->stop();
    }
}

TEST_F(WordTestStage, eachRightAnswerSoundEndsBeforeTheNextWordIsCounted)
{
    openTestAt(2, 8);
    std::vector<int> countsDuringRightSound;
    bool armedDuringPassSound = true;
    platform.output.duringSyncPlay = [&](int id) {
        if (id == 105)
            countsDuringRightSound.push_back(state.examCount);
        if (id == 106)
            armedDuringPassSound = state.canSpin;
    };
    for (int k = 0; k < 4; ++k)
        press(k);
    EXPECT_EQ(countsDuringRightSound, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(armedDuringPassSound);
    EXPECT_TRUE(state.canSpin);
}

TEST_F(WordTestStage, theFailSoundEndsBeforeTheWalkBackStarts)
{
    openTestAt(1, 2);
    bool walkingDuringFailSound = true;
    platform.output.duringSyncPlay = [&](int id) {
        if (id == 107)
            walkingDuringFailSound = controls.Timer2->isActive() || state.stepDir == -1;
    };
    press(1);
    EXPECT_FALSE(walkingDuringFailSound);
    EXPECT_TRUE(controls.Timer2->isActive());
}

TEST_F(WordTestStage, aFailedTestWalksBackTwoSquaresOntoTheTeachingSquareAndTeachesAgain)
{
    // On level 1 the first test square, 4, lies two squares after its teaching square, 2.
    openTestAt(1, 1);
    ASSERT_EQ(state.catPos, 4);
    ASSERT_EQ(state.teachSquareOf[1], 2);
    press(1);
    EXPECT_EQ(state.stepsLeft, 1);
    platform.output.clear();

    EXPECT_EQ(walkUntilStopped(), 5);
    EXPECT_EQ(state.catPos, 2);
    EXPECT_EQ(state.stageState, "playword");
    EXPECT_EQ(platform.output.ids(), (std::vector<int>{102, 102, 112}));
    EXPECT_EQ(visibleCaptions(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(controls.Label1[0]->text(), "厨房");
}

TEST_F(WordTestStage, theTadpoleWearsItsHoverLookInsideItsEdgesAndHoldsTheMouse)
{
    openTestAt(2, 3);
    PictureBox &tadpole = *controls.Picrep;
    const int w = tadpole.width();
    const int h = tadpole.height();
    for (QPointF inside : {QPointF(0, 0), QPointF(w, h), QPointF(w, 0), QPointF(0, h)}) {
        form.stages().test.PicRep_MouseMove(QPointF(w + 1, 0));
        form.stages().test.PicRep_MouseMove(inside);
        EXPECT_EQ(tadpole.picture(), Resources::bitmap(159));
        EXPECT_EQ(QWidget::mouseGrabber(), &tadpole);
    }
    for (QPointF outside : {QPointF(w + 1, 0), QPointF(0, h + 1), QPointF(-1, 0), QPointF(0, -1)}) {
        form.stages().test.PicRep_MouseMove(QPointF(0, 0));
        form.stages().test.PicRep_MouseMove(outside);
        EXPECT_EQ(tadpole.picture(), Resources::bitmap(158));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
}

TEST_F(WordTestStage, theNextWordPutsTheTadpoleBackInItsNormalLook)
{
    openTestAt(1, 3);
    form.stages().test.PicRep_MouseMove(QPointF(10, 10));
    press(0);
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
}

TEST_F(WordTestStage, afterTheTestTheTadpoleKeepsItsLookAndTakesNoGrab)
{
    openTestAt(2, 3);
    press(2);
    controls.Picrep->setPicture(Resources::bitmap(158));
    form.stages().test.PicRep_MouseMove(QPointF(10, 10));
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(WordTestStage, levelOneHoverShowsTheWordsPictureAndRedCaptionUntilTheBoardIsCrossed)
{
    openTestAt(1, 4);
    form.stages().teaching.Label1_MouseMove(2);
    EXPECT_FALSE(controls.PicWord[2]->isHidden());
    EXPECT_EQ(controls.Label1[2]->textColour(), Red);
    EXPECT_EQ(state.hoverWord, 2);
    form.stages().teaching.Pic1_MouseMove();
    EXPECT_TRUE(controls.PicWord[2]->isHidden());
    EXPECT_EQ(controls.Label1[2]->textColour(), QColor(Qt::black));
    EXPECT_EQ(state.hoverWord, -1);
}

TEST_F(WordTestStage, levelsTwoAndThreeHoverTurnsTheCaptionRedWithoutAPicture)
{
    for (int level : {2, 3}) {
        SCOPED_TRACE(level);
        openTestAt(level, 4);
        const int last = level == 3 ? 7 : 3;
        form.stages().teaching.Label1_MouseMove(last);
        EXPECT_EQ(controls.Label1[last]->textColour(), Red);
        EXPECT_EQ(state.hoverWord, -1);
        for (PictureBox *picture : controls.PicWord)
            EXPECT_TRUE(picture->isHidden());
        form.stages().teaching.Pic1_MouseMove();
        EXPECT_EQ(controls.Label1[last]->textColour(), QColor(Qt::black));
    }
}

// The layout shuffle.
class TestOrderShuffle : public WordStageFixture {
protected:
    std::vector<int> shuffle(const std::vector<int> &picks)
    {
        const int n = static_cast<int>(picks.size());
        for (int k : picks)
            platform.draws.push_back((static_cast<float>(k) + 0.5f) / static_cast<float>(n));
        form.stages().test.shuffleTestOrder(n);
        return {state.examOrder.begin(), state.examOrder.begin() + n};
    }

    static bool isPermutation(std::vector<int> order)
    {
        std::sort(order.begin(), order.end());
        for (int i = 0; i < static_cast<int>(order.size()); ++i) {
            if (order[i] != i)
                return false;
        }
        return true;
    }
};

TEST_F(TestOrderShuffle, movesTheEntryAtEachPickToTheFront)
{
    EXPECT_EQ(shuffle({1, 2, 3, 0}), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(shuffle({2, 3, 1, 1}), (std::vector<int>{3, 2, 0, 1}));
    EXPECT_EQ(shuffle({0, 0, 0, 0}), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(TestOrderShuffle, drawsOncePerEntry)
{
    platform.scriptResults(8, {1, 2, 3, 4, 5, 6, 7, 0, 5});
    form.stages().test.shuffleTestOrder(8);
    EXPECT_EQ(platform.draws.size(), 1u);
}

TEST_F(TestOrderShuffle, everyOneOfTheTwentyFourOrdersOfFourCanOccur)
{
    std::set<std::vector<int>> seen;
    for (int code = 0; code < 256; ++code) {
        const std::vector<int> order =
            shuffle({code & 3, (code >> 2) & 3, (code >> 4) & 3, code >> 6});
        EXPECT_TRUE(isPermutation(order));
        seen.insert(order);
    }
    EXPECT_EQ(seen.size(), 24u);
}

TEST_F(TestOrderShuffle, alwaysGivesAPermutationOfEight)
{
    std::mt19937 generator(20240601);
    std::uniform_int_distribution<int> pick(0, 7);
    for (int round = 0; round < 500; ++round) {
        std::vector<int> picks(8);
        std::generate(picks.begin(), picks.end(), [&] { return pick(generator); });
        const std::vector<int> order = shuffle(picks);
        EXPECT_TRUE(isPermutation(order)) << testing::PrintToString(picks);
    }
    EXPECT_EQ(shuffle({7, 7, 7, 7, 7, 7, 7, 7}), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

// A test driven by the pointer and buttons of a shown window.
class WordTestWithMouse : public WordTestStage {};

TEST_F(WordTestWithMouse, clickingWhereTheShuffleSetTheAskedWordsPasses)
{
    showWindow();
    openTestAt(3, 13);
    // The picks put captions 0..3 in these cells of the two rows.
    struct Cell {
        int row;
        int column;
    };
    const Cell cellOf[4] = {{0, 0}, {0, 3}, {1, 1}, {1, 2}};
    for (const Cell &cell : cellOf) {
        const QPoint inCaption(50 + 100 * cell.column + 15, 180 + 80 * cell.row + 15);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          controls.Pic1->mapTo(&form, inCaption));
    }
    EXPECT_EQ(platform.output.played, rightAnswersThen(13, 4, Passed));
    EXPECT_TRUE(state.canSpin);
}

TEST_F(WordTestWithMouse, clickingADistractorFailsAndTheTadpoleReplaysBeforeThat)
{
    showWindow();
    openTestAt(3, 13);
    QTest::mouseClick(controls.Picrep, Qt::LeftButton);
    QTest::mouseClick(controls.Label1[6], Qt::LeftButton);
    EXPECT_EQ(platform.output.played,
              (std::vector<PlayedSound>{spoken(0, 13), spoken(0, 13), Failed}));
    EXPECT_TRUE(controls.Timer2->isActive());
}

TEST_F(WordTestWithMouse, thePointerLeavingTheTadpoleIsSeenThroughItsGrab)
{
    showWindow();
    openTestAt(1, 2);
    QWindow *window = form.windowHandle();
    const QPoint tadpole = controls.Picrep->mapTo(&form, QPoint(20, 20));
    QTest::mouseMove(window, tadpole);
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(159));
    EXPECT_EQ(QWidget::mouseGrabber(), controls.Picrep);
    // Far off the tadpole, over the spinner: the tadpole still hears of it.
    QTest::mouseMove(window, QPoint(570, 60));
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

} // namespace
