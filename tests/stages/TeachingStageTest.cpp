#include "WordStageFixture.h"

#include "BoardView.h"
#include "WindowButtons.h"

#include <gtest/gtest.h>

namespace {

const QColor Red(Qt::red);
const QColor Black(Qt::black);

class TeachingStage : public WordStageFixture {
protected:
    bool boardIsBlank() const
    {
        QImage blank(BoardView::Size, BoardView::Size, QImage::Format_RGB32);
        blank.fill(BoardView::backgroundColour());
        return controls.Pic1->canvas().convertToFormat(QImage::Format_RGB32) == blank;
    }

    int shownPictures() const
    {
        int shown = 0;
        for (PictureBox *picture : controls.PicWord)
            shown += picture->isHidden() ? 0 : 1;
        return shown;
    }

    int redCaptions() const
    {
        int red = 0;
        for (Caption *caption : controls.Label1)
            red += caption->textColour() == Red ? 1 : 0;
        return red;
    }
};

TEST_F(TeachingStage, levelOneShowsTheGroupsFourWordsInARowUnderTheirPictures)
{
    openTeaching(1, 1);
    const QString words[] = {"厨房", "大衣", "袋子", "蛋糕"};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(controls.Label1[k]->text(), words[k]);
        EXPECT_EQ(controls.Label1[k]->pos(), QPoint(30 + 125 * k, 180));
        EXPECT_FALSE(controls.Label1[k]->isHidden());
        EXPECT_EQ(controls.PicWord[k]->picture(), Resources::bitmap(200 + k));
        EXPECT_EQ(controls.PicWord[k]->geometry(), QRect(13 + 125 * k, 56, 80, 80));
        EXPECT_FALSE(controls.PicWord[k]->isHidden());
    }
    EXPECT_EQ(visibleCaptions(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(state.stageState, "playword");
}

TEST_F(TeachingStage, everyTeachingSquareTeachesTheGroupBeforeItsIndex)
{
    for (int level = 1; level <= 3; ++level) {
        for (int index = 1; index <= 16; ++index) {
            SCOPED_TRACE(testing::Message() << "level " << level << " index " << index);
            openTeaching(level, index);
            for (int k = 0; k < 4; ++k) {
                const int w = word(k, index - 1);
                EXPECT_EQ(controls.Label1[k]->text(), state.wordList[w]);
                EXPECT_EQ(controls.PicWord[k]->picture(), Resources::bitmap(200 + w));
            }
        }
    }
}

TEST_F(TeachingStage, indexNineTeachesWordsZeroFourEightAndTwelve)
{
    openTeaching(1, 9);
    const QString words[] = {"厨房", "电话", "房屋", "蜡烛"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(controls.Label1[k]->text(), words[k]);
}

TEST_F(TeachingStage, clearsTheBoardAndShowsTheBeeInItsNormalLook)
{
    // The bee may still wear its hover look from the last stage's click.
    controls.PicOut->setPicture(Resources::bitmap(161));
    openTeaching(2, 4);
    EXPECT_TRUE(boardIsBlank());
    EXPECT_FALSE(controls.PicOut->isHidden());
    EXPECT_EQ(controls.PicOut->picture(), Resources::bitmap(160));
    EXPECT_EQ(controls.PicOut->pos(), QPoint(384, 384));
    EXPECT_TRUE(controls.Picrep->isHidden());
}

TEST_F(TeachingStage, levelsTwoAndThreeLoadThePicturesInTheirColumnsButKeepThemHidden)
{
    for (int level : {2, 3}) {
        SCOPED_TRACE(level);
        openTeaching(level, 3);
        for (int k = 0; k < 4; ++k) {
            EXPECT_TRUE(controls.PicWord[k]->isHidden());
            EXPECT_EQ(controls.PicWord[k]->picture(), Resources::bitmap(200 + word(k, 2)));
            EXPECT_EQ(controls.PicWord[k]->pos(), QPoint(13 + 125 * k, 56));
            EXPECT_EQ(controls.Label1[k]->pos(), QPoint(30 + 125 * k, 180));
        }
        EXPECT_EQ(visibleCaptions(), (std::vector<int>{0, 1, 2, 3}));
    }
}

TEST_F(TeachingStage, pressingACaptionSpeaksItsWordFromTheWordBufferAndTurnsItRed)
{
    openTeaching(2, 9);
    press(2);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{209, PlayMode::Async, {}}}));
    EXPECT_EQ(state.examWordSound, Resources::sound(209));
    EXPECT_EQ(controls.Label1[2]->textColour(), Red);
    EXPECT_EQ(redCaptions(), 1);
    // A press is not a hover: no picture, no hover word.
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_EQ(state.hoverWord, -1);
}

TEST_F(TeachingStage, pressingTheSameCaptionAgainRestartsItsWord)
{
    openTeaching(1, 5);
    const int expected = 201 + word(3, 4);
    press(3);
    const int stopsBefore = platform.output.stops;
    press(3);
    EXPECT_EQ(platform.output.played,
              (std::vector<PlayedSound>{{expected, PlayMode::Async, {}},
                                        {expected, PlayMode::Async, {}}}));
    EXPECT_GT(platform.output.stops, stopsBefore);
}

TEST_F(TeachingStage, levelOneShowsNoHoverLookAndTheBoardLeavesItsPicturesShown)
{
    openTeaching(1, 2);
    form.stages().teaching.Label1_MouseMove(1);
    EXPECT_EQ(redCaptions(), 0);
    EXPECT_EQ(state.hoverWord, -1);
    form.stages().teaching.Pic1_MouseMove();
    EXPECT_EQ(shownPictures(), 4);
}

TEST_F(TeachingStage, levelTwoShowsAWordsPictureAndRedCaptionWhileThePointerIsOnIt)
{
    openTeaching(2, 2);
    form.stages().teaching.Label1_MouseMove(1);
    EXPECT_FALSE(controls.PicWord[1]->isHidden());
    EXPECT_EQ(shownPictures(), 1);
    EXPECT_EQ(controls.Label1[1]->textColour(), Red);
    EXPECT_EQ(redCaptions(), 1);
    EXPECT_EQ(state.hoverWord, 1);

    form.stages().teaching.Pic1_MouseMove();
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_EQ(redCaptions(), 0);
    EXPECT_EQ(state.hoverWord, -1);
}

TEST_F(TeachingStage, levelTwoKeepsTheFirstHoverLookWhenThePointerGoesStraightToAnother)
{
    openTeaching(2, 6);
    form.stages().teaching.Label1_MouseMove(0);
    form.stages().teaching.Label1_MouseMove(3);
    EXPECT_FALSE(controls.PicWord[0]->isHidden());
    EXPECT_FALSE(controls.PicWord[3]->isHidden());
    EXPECT_EQ(controls.Label1[0]->textColour(), Red);
    EXPECT_EQ(controls.Label1[3]->textColour(), Red);
    EXPECT_EQ(state.hoverWord, 3);

    form.stages().teaching.Pic1_MouseMove();
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_EQ(redCaptions(), 0);
}

TEST_F(TeachingStage, levelTwoDoesNothingMoreOnTheCaptionAlreadyHovered)
{
    openTeaching(2, 6);
    form.stages().teaching.Label1_MouseMove(2);
    // Were the hover look applied again, the picture would come back.
    controls.PicWord[2]->hide();
    form.stages().teaching.Label1_MouseMove(2);
    EXPECT_TRUE(controls.PicWord[2]->isHidden());
}

TEST_F(TeachingStage, levelThreeNeverShowsAPictureAndTurnsCaptionsRedOnlyWhenPressed)
{
    openTeaching(3, 7);
    for (int k = 0; k < 4; ++k)
        form.stages().teaching.Label1_MouseMove(k);
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_EQ(redCaptions(), 0);
    EXPECT_EQ(state.hoverWord, -1);
    press(1);
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_EQ(controls.Label1[1]->textColour(), Red);
}

TEST_F(TeachingStage, aPressedCaptionStaysRedUntilThePointerCrossesTheBoard)
{
    openTeaching(3, 8);
    press(0);
    press(2);
    form.stages().teaching.Label1_MouseMove(0);
    EXPECT_EQ(redCaptions(), 2);
    form.stages().teaching.Pic1_MouseMove();
    EXPECT_EQ(redCaptions(), 0);
}

TEST_F(TeachingStage, theBeeClickPutsTheBoardBackAndArmsTheSpinner)
{
    startLevelOn(2, 1);
    placeKitten(squareOf(TeachingKind, 5));
    const QImage board = controls.Pic1->canvas().copy();
    form.stages().teachWordsLevel2Up();
    form.stages().teaching.Label1_MouseMove(1);
    form.buttons().PicOut_Click();

    EXPECT_EQ(controls.Pic1->canvas(), board);
    EXPECT_EQ(visibleCaptions(), std::vector<int>{});
    EXPECT_EQ(shownPictures(), 0);
    EXPECT_TRUE(controls.PicOut->isHidden());
    EXPECT_TRUE(state.canSpin);
    EXPECT_FALSE(state.replayEnabled);
    EXPECT_EQ(state.stageState, "playword");
    EXPECT_TRUE(platform.output.played.empty());
}

// The same stage driven by the pointer and buttons of a shown window.
class TeachingStageWithMouse : public TeachingStage {};

TEST_F(TeachingStageWithMouse, levelTwoShowsThePictureUnderThePointerAndTheBoardTakesItBack)
{
    showWindow();
    openTeaching(2, 10);
    QTest::mouseMove(controls.Label1[2]);
    EXPECT_FALSE(controls.PicWord[2]->isHidden());
    EXPECT_EQ(controls.Label1[2]->textColour(), Red);
    QTest::mouseMove(controls.Pic1, QPoint(5, 500));
    EXPECT_TRUE(controls.PicWord[2]->isHidden());
    EXPECT_EQ(controls.Label1[2]->textColour(), Black);
}

TEST_F(TeachingStageWithMouse, aClickOnACaptionSpeaksItsWordAndTheBeeEndsTheStage)
{
    showWindow();
    openTeaching(1, 11);
    QTest::mouseClick(controls.Label1[1], Qt::LeftButton);
    EXPECT_EQ(platform.output.ids(), std::vector<int>{201 + word(1, 10)});
    EXPECT_EQ(controls.Label1[1]->textColour(), Red);

    QTest::mouseClick(controls.PicOut, Qt::LeftButton);
    EXPECT_TRUE(state.canSpin);
    EXPECT_EQ(visibleCaptions(), std::vector<int>{});
    EXPECT_TRUE(controls.PicOut->isHidden());
}

} // namespace
