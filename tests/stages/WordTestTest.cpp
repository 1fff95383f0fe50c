#include "WordStageFixture.h"

#include "WindowButtons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

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

    void replay() { form.stages().test.PicRep_Click(); }

    void expectTestOver()
    {
        EXPECT_EQ(visibleCaptions(), std::vector<int>{});
        EXPECT_EQ(shownPictures(), 0);
        EXPECT_TRUE(controls.Picrep->isHidden());
        EXPECT_FALSE(state.replayEnabled);
        EXPECT_EQ(state.stageState, "playexam");
    }
};

TEST_F(WordTestStage, levelThreeOnTheLastTestIndexTakesItsDistractorsFromGroupSixteen)
{
    openTestAt(3, 16);
    EXPECT_EQ(captionWords(8), "铅笔 手表 台灯 钟表 厨房 大衣 袋子 蛋糕");
    EXPECT_EQ(platform.output.ids(), std::vector<int>{201 + 19});
}

class WordTestAtLevel : public WordTestStage, public testing::WithParamInterface<int> {
protected:
    int level() const { return GetParam(); }
    int captionCount() const { return level() == 3 ? 8 : 4; }
};

TEST_P(WordTestAtLevel, speaksTheFirstWordOnABlankBoardAndPlacesTheCaptionsAsShuffled)
{
    openTestAt(level(), 4);
    EXPECT_EQ(platform.output.played, std::vector<PlayedSound>{spoken(0, 4)});
    EXPECT_EQ(state.stageState, "playexam");
    EXPECT_FALSE(controls.Picrep->isHidden());
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
    EXPECT_TRUE(boardIsBlank());
    const std::vector<int> order(state.examOrder.begin(), state.examOrder.begin() + captionCount());
    ASSERT_EQ(order, level() == 3 ? (std::vector<int>{0, 5, 4, 1, 7, 2, 3, 6})
                                   : (std::vector<int>{3, 2, 0, 1}));
    for (int q = 0; q < captionCount(); ++q) {
        SCOPED_TRACE(q);
        // Level 1 keeps the layout's caption top, level 3 has two rows of narrower columns.
        const QPoint cell = level() == 1   ? QPoint(30 + 125 * q, 184)
                            : level() == 2 ? QPoint(30 + 125 * q, 180)
                                           : QPoint(50 + 100 * (q % 4), q < 4 ? 180 : 260);
        EXPECT_EQ(controls.Label1[order[q]]->pos(), cell);
        // The asked group fills captions 0..3; at level 3 the next group fills 4..7.
        EXPECT_EQ(controls.Label1[q]->text(), state.wordList[word(q % 4, 3 + q / 4)]);
    }
    EXPECT_EQ(static_cast<int>(visibleCaptions().size()), captionCount());
    // Level 1 loads each word's picture, hidden, into its caption's column.
    for (int q = 0; level() == 1 && q < 4; ++q) {
        const int j = order[q];
        EXPECT_EQ(controls.PicWord[j]->pos(), QPoint(13 + 125 * q, 56));
        EXPECT_EQ(controls.PicWord[j]->picture(), Resources::bitmap(200 + word(j, 3)));
    }
    EXPECT_EQ(shownPictures(), 0);
}

TEST_P(WordTestAtLevel, asksTheWordsInGroupOrderAndPassesOnFourRightAnswers)
{
    openTestAt(level(), 7);
    for (int k = 0; k < 4; ++k)
        press(k);
    EXPECT_EQ(platform.output.played, rightAnswersThen(7, 4, Passed));
    EXPECT_TRUE(state.canSpin);
    EXPECT_FALSE(controls.Timer2->isActive());
    expectTestOver();
}

// The wrong presses include the caption just answered and, at level 3, the four distractors.
TEST_P(WordTestAtLevel, failsAtTheFirstWrongPressForEveryWordBeingAskedAndWalksBack)
{
    for (int asked = 0; asked < 4; ++asked) {
        for (int wrong = 0; wrong < captionCount(); ++wrong) {
            if (wrong == asked)
                continue;
            SCOPED_TRACE(testing::Message() << "asked " << asked << " pressed " << wrong);
            openTestAt(level(), 5);
            for (int k = 0; k < asked; ++k)
                press(k);
            press(wrong);
            EXPECT_EQ(platform.output.played, rightAnswersThen(5, asked, Failed));
            EXPECT_EQ(state.stepDir, -1);
            EXPECT_TRUE(controls.Timer2->isActive());
            EXPECT_FALSE(state.canSpin);
            expectTestOver();
            controls.Timer2->stop();
        }
    }
}

TEST_P(WordTestAtLevel, theTadpoleRepeatsTheWordBeingAskedAndFallsStillAfterTheEnd)
{
    openTestAt(level(), 2);
    replay();
    // The next word also puts the hovered tadpole back in its normal look.
    form.stages().test.PicRep_MouseMove(QPointF(10, 10));
    press(0);
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
    form.stages().test.PicRep_MouseMove(QPointF(-1, 0));
    replay();
    replay();
    EXPECT_EQ(platform.output.played,
              (std::vector<PlayedSound>{spoken(0, 2), spoken(0, 2), RightAnswer, spoken(1, 2),
                                        spoken(1, 2), spoken(1, 2)}));
    press(3);
    platform.output.clear();
    replay();
    EXPECT_TRUE(platform.output.played.empty());
    form.stages().test.PicRep_MouseMove(QPointF(10, 10));
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, WordTestAtLevel, testing::Values(1, 2, 3));

TEST_F(WordTestStage, eachVerdictSoundEndsBeforeWhatFollowsIt)
{
    openTestAt(2, 8);
    std::vector<int> countsDuringRightSound;
    bool armedDuringPassSound = true;
    bool walkingDuringFailSound = true;
    platform.output.duringSyncPlay = [&](int id) {
        if (id == 105)
            countsDuringRightSound.push_back(state.examCount);
        if (id == 106)
            armedDuringPassSound = state.canSpin;
        if (id == 107)
            walkingDuringFailSound = controls.Timer2->isActive() || state.stepDir == -1;
    };
    for (int k = 0; k < 4; ++k)
        press(k);
    EXPECT_EQ(countsDuringRightSound, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(armedDuringPassSound);

    // On level 1 the first test square, 4, lies two squares after its teaching square, 2.
    openTestAt(1, 1);
    ASSERT_EQ(state.catPos, 4);
    press(1);
    EXPECT_FALSE(walkingDuringFailSound);
    EXPECT_EQ(state.stepsLeft, 1);
    EXPECT_EQ(state.stepDir, -1);
}

TEST_F(WordTestStage, theTadpoleWearsItsHoverLookInsideItsEdgesAndHoldsTheMouse)
{
    openTestAt(2, 3);
    expectHoverLook(
        *controls.Picrep, [&](QPointF at) { form.stages().test.PicRep_MouseMove(at); }, 158, 159);
}

class TestOrderShuffle : public WordStageFixture {
protected:
    // The order the picks give; the shuffle must take exactly one draw per entry.
    std::vector<int> shuffle(const std::vector<int> &picks)
    {
        const int n = static_cast<int>(picks.size());
        for (int k : picks)
            platform.scriptResults(n, {k});
        form.stages().test.shuffleTestOrder(n);
        EXPECT_TRUE(platform.draws.empty());
        platform.draws.clear();
        return {state.examOrder.begin(), state.examOrder.begin() + n};
    }

    static bool isPermutation(std::vector<int> order)
    {
        std::sort(order.begin(), order.end());
        return std::adjacent_find(order.begin(), order.end(), [](int a, int b) { return b != a + 1; })
                   == order.end() && order.front() == 0;
    }
};

TEST_F(TestOrderShuffle, alwaysGivesAPermutationAndCanGiveEveryOneOfTheTwentyFourOrdersOfFour)
{
    std::set<std::vector<int>> seen;
    for (int code = 0; code < 256; ++code) {
        const std::vector<int> order =
            shuffle({code & 3, (code >> 2) & 3, (code >> 4) & 3, code >> 6});
        EXPECT_TRUE(isPermutation(order));
        seen.insert(order);
    }
    EXPECT_EQ(seen.size(), 24u);
    std::mt19937 generator(20240601);
    std::uniform_int_distribution<int> pick(0, 7);
    for (int round = 0; round < 500; ++round) {
        std::vector<int> picks(8);
        std::generate(picks.begin(), picks.end(), [&] { return pick(generator); });
        EXPECT_TRUE(isPermutation(shuffle(picks))) << testing::PrintToString(picks);
    }
}

TEST_F(WordTestStage, realClicksWhereTheShuffleSetTheWordsPassAndTheTadpoleFollowsThePointer)
{
    showWindow();
    openTestAt(3, 13);
    QWindow *window = form.windowHandle();
    QTest::mouseMove(window, controls.Picrep->mapTo(&form, QPoint(20, 20)));
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(159));
    EXPECT_EQ(QWidget::mouseGrabber(), controls.Picrep);
    // Far off the tadpole, over the spinner: the tadpole still hears of it.
    QTest::mouseMove(window, QPoint(570, 60));
    EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(158));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseClick(controls.Picrep, Qt::LeftButton);
    // The picks put captions 0..3 in these cells (column, row) of the two rows.
    for (QPoint cell : {QPoint(0, 0), QPoint(3, 0), QPoint(1, 1), QPoint(2, 1)}) {
        const QPoint inCaption(50 + 100 * cell.x() + 15, 180 + 80 * cell.y() + 15);
        QTest::mouseClick(window, Qt::LeftButton, {}, controls.Pic1->mapTo(&form, inCaption));
    }
    std::vector<PlayedSound> heard = rightAnswersThen(13, 4, Passed);
    heard.insert(heard.begin(), spoken(0, 13));
    EXPECT_EQ(platform.output.played, heard);
    EXPECT_TRUE(state.canSpin);
}

} // namespace
