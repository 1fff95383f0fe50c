#include "WordStageFixture.h"

#include "WindowButtons.h"

#include <gtest/gtest.h>

namespace {

const QColor Red(Qt::red);

class TeachingStage : public WordStageFixture {
protected:
    void hover(int index) { form.stages().teaching.Label1_MouseMove(index); }
    void crossBoard() { form.stages().teaching.Pic1_MouseMove(); }
    int redCaptions() const
    {
        int red = 0;
        for (Caption *caption : controls.Label1)
            red += caption->textColour() == Red ? 1 : 0;
        return red;
    }
};

// The board is cleared and the bee shown in its normal look, though it may still wear its
// hover look from the last stage's click.
TEST_F(TeachingStage, everyTeachingSquareClearsTheBoardAndShowsTheGroupBeforeItsIndexInOneRow)
{
    for (int level = 1; level <= 3; ++level) {
        for (int index = 1; index <= 16; ++index) {
            SCOPED_TRACE(testing::Message() << "level " << level << " index " << index);
            controls.PicOut->setPicture(Resources::bitmap(161));
            openTeaching(level, index);
            EXPECT_TRUE(boardIsBlank());
            EXPECT_FALSE(controls.PicOut->isHidden());
            EXPECT_EQ(controls.PicOut->picture(), Resources::bitmap(160));
            EXPECT_TRUE(controls.Picrep->isHidden());
            for (int k = 0; k < 4; ++k) {
                const int w = word(k, index - 1);
                EXPECT_EQ(controls.Label1[k]->text(), state.wordList[w]);
                EXPECT_EQ(controls.Label1[k]->pos(), QPoint(30 + 125 * k, 180));
                EXPECT_EQ(controls.PicWord[k]->picture(), Resources::bitmap(200 + w));
                EXPECT_EQ(controls.PicWord[k]->pos(), QPoint(13 + 125 * k, 56));
            }
            // Only level 1 shows the pictures from the start.
            EXPECT_EQ(shownPictures(), level == 1 ? 4 : 0);
            EXPECT_EQ(visibleCaptions(), (std::vector<int>{0, 1, 2, 3}));
            EXPECT_EQ(state.stageState, "playword");
        }
    }
}

TEST_F(TeachingStage, indexesOneAndNineTeachTheirOwnWords)
{
    openTeaching(1, 1);
    EXPECT_EQ(captionWords(), "厨房 大衣 袋子 蛋糕");
    openTeaching(1, 9);
    EXPECT_EQ(captionWords(), "厨房 电话 房屋 蜡烛");
}

// The look of the caption under the pointer: its picture and red colour while teaching at
// level 2 and testing at level 1, red alone in a test above level 1, none otherwise; crossing
// the board takes it back, leaving level 1's teaching pictures.
TEST_F(TeachingStage, theHoverLookOfACaptionDependsOnTheStageAndLevel)
{
    struct Case {
        bool test;
        int level;
        int pictures;
        bool red;
    };
    for (Case c : {Case{false, 1, 4, false}, Case{false, 2, 1, true}, Case{false, 3, 0, false},
                   Case{true, 1, 1, true}, Case{true, 2, 0, true}, Case{true, 3, 0, true}}) {
        SCOPED_TRACE(testing::Message() << (c.test ? "test" : "teaching") << " level " << c.level);
        c.test ? openTest(c.level, 4) : openTeaching(c.level, 4);
        const int caption = c.test && c.level == 3 ? 7 : 1;
        hover(caption);
        EXPECT_EQ(shownPictures(), c.pictures);
        if (c.pictures == 1) {
            EXPECT_FALSE(controls.PicWord[caption]->isHidden());
        }
        EXPECT_EQ(redCaptions(), c.red ? 1 : 0);
        EXPECT_EQ(controls.Label1[caption]->textColour() == Red, c.red);
        EXPECT_EQ(state.hoverWord, c.pictures == 1 ? caption : -1);
        crossBoard();
        EXPECT_EQ(shownPictures(), c.pictures == 4 ? 4 : 0);
        EXPECT_EQ(redCaptions(), 0);
        EXPECT_EQ(state.hoverWord, -1);
    }
}

TEST_F(TeachingStage, aPressSpeaksTheWordAgainEachTimeAndLeavesItRedUntilTheBoardIsCrossed)
{
    for (int level : {2, 3}) {
        SCOPED_TRACE(level);
        openTeaching(level, 9);
        const PlayedSound second{201 + word(2, 8), PlayMode::Async, {}};
        press(0);
        press(2);
        const int stopsBefore = platform.output.stops;
        press(2);
        EXPECT_EQ(platform.output.played,
                  (std::vector<PlayedSound>{{201 + word(0, 8), PlayMode::Async, {}}, second,
                                            second}));
        EXPECT_GT(platform.output.stops, stopsBefore);
        EXPECT_EQ(state.examWordSound, Resources::sound(second.id));
        // A press is not a hover: no picture, no hover word, even where hovering shows them.
        EXPECT_EQ(shownPictures(), 0);
        EXPECT_EQ(state.hoverWord, -1);
        hover(0);
        EXPECT_EQ(controls.Label1[2]->textColour(), Red);
        EXPECT_EQ(redCaptions(), 2);
        crossBoard();
        EXPECT_EQ(redCaptions(), 0);
    }
}

TEST_F(TeachingStage, theBeeClickPutsTheBoardBackAndArmsTheSpinner)
{
    startLevelOn(2, 1);
    placeKitten(squareOf(TeachingKind, 5));
    const QImage board = controls.Pic1->canvas().copy();
    form.stages().teachWordsLevel2Up();
    hover(1);
    form.buttons().PicOut_Click();
    EXPECT_EQ(controls.Pic1->canvas(), board);
    EXPECT_EQ(visibleCaptions(), std::vector<int>{});
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_TRUE(controls.PicOut->isHidden());
    EXPECT_TRUE(state.canSpin);
    EXPECT_FALSE(state.replayEnabled);
    EXPECT_TRUE(platform.output.played.empty());
}

// Driven by the pointer and buttons of a shown window.
TEST_F(TeachingStage, withTheMouseTheHoverLookTheSpokenWordAndTheBeeFollowThePointer)
{
    showWindow();
    openTeaching(2, 10);
    QTest::mouseMove(controls.Label1[2]);
    EXPECT_FALSE(controls.PicWord[2]->isHidden());
    EXPECT_EQ(controls.Label1[2]->textColour(), Red);
    QTest::mouseMove(controls.Pic1, QPoint(5, 500));
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_EQ(redCaptions(), 0);
    QTest::mouseClick(controls.Label1[1], Qt::LeftButton);
    EXPECT_EQ(platform.output.ids(), std::vector<int>{201 + word(1, 9)});

    QWindow *window = form.windowHandle();
    const QPoint onBee = controls.PicOut->mapTo(&form, QPoint(40, 40));
    QTest::mouseMove(window, onBee);
    EXPECT_EQ(controls.PicOut->picture(), Resources::bitmap(161));
    EXPECT_EQ(QWidget::mouseGrabber(), controls.PicOut);
    QTest::mouseClick(window, Qt::LeftButton, {}, onBee);
    EXPECT_TRUE(state.canSpin);
    EXPECT_EQ(visibleCaptions(), std::vector<int>{});
    EXPECT_TRUE(controls.PicOut->isHidden());
    // The hidden bee still hears the next move, which is outside it, and lets the pointer go.
    QTest::mouseMove(window, QPoint(100, 100));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(controls.PicOut->picture(), Resources::bitmap(160));
}

} // namespace
