#include "WordStageFixture.h"

#include "Form3.h"
#include "WindowButtons.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace {

const PlayedSound StopSound{900, PlayMode::Async, {}};

class WindowButtonsTest : public WordStageFixture {
protected:
    WindowButtons &buttons() { return form.buttons(); }

    // Moves the pointer to `inside`, coming from well outside button.
    void enter(void (WindowButtons::*move)(QPointF), QPointF inside)
    {
        (buttons().*move)(QPointF(-10, -10));
        (buttons().*move)(inside);
    }

    // The walk state of a test reached by a spin.
    void standOnTestSquare(int square)
    {
        placeKitten(square);
        state.stageState = QStringLiteral("playexam");
        state.turnState = QStringLiteral("gostep");
        state.canSpin = false;
    }
};

TEST_F(WindowButtonsTest, theBeeWearsItsHoverLookInsideItsEdgesAndHoldsTheMouse)
{
    openTeaching(1, 1);
    PictureBox &bee = *controls.PicOut;
    const int w = bee.width();
    const int h = bee.height();
    for (QPointF inside : {QPointF(0, 0), QPointF(w, h), QPointF(w, 0), QPointF(0, h)}) {
        enter(&WindowButtons::PicOut_MouseMove, inside);
        EXPECT_EQ(bee.picture(), Resources::bitmap(161));
        EXPECT_EQ(QWidget::mouseGrabber(), &bee);
    }
    for (QPointF outside : {QPointF(w + 1, 0), QPointF(0, h + 1), QPointF(-1, 5), QPointF(5, -1)}) {
        enter(&WindowButtons::PicOut_MouseMove, QPointF(1, 1));
        buttons().PicOut_MouseMove(outside);
        EXPECT_EQ(bee.picture(), Resources::bitmap(160));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
}

TEST_F(WindowButtonsTest, theHelpButtonWearsItsHoverLookInsideItsEdgesAndHoldsTheMouse)
{
    PictureBox &help = *controls.Pichp;
    const int w = help.width();
    const int h = help.height();
    ASSERT_EQ(QSize(w, h), QSize(50, 35));
    enter(&WindowButtons::Pichp_MouseMove, QPointF(w, h));
    EXPECT_EQ(help.picture(), Resources::bitmap(165));
    EXPECT_EQ(QWidget::mouseGrabber(), &help);
    buttons().Pichp_MouseMove(QPointF(w + 1, h));
    EXPECT_EQ(help.picture(), Resources::bitmap(164));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(WindowButtonsTest, everyMoveLoadsTheLookAgainWhetherOrNotItChanged)
{
    buttons().Pichp_MouseMove(QPointF(3, 3));
    controls.Pichp->setPicture(Resources::bitmap(164));
    buttons().Pichp_MouseMove(QPointF(4, 4));
    EXPECT_EQ(controls.Pichp->picture(), Resources::bitmap(165));
}

TEST_F(WindowButtonsTest, aFailedTestWalksBackToTheTeachingSquareOfItsIndexFromEveryTestSquare)
{
    for (int level = 1; level <= 3; ++level) {
        startLevelOn(level, 1);
        for (int square = 1; square <= 43; ++square) {
            if (state.squareTable[square][0] != TestKind)
                continue;
            const int index = state.squareTable[square][1];
            SCOPED_TRACE(testing::Message() << "level " << level << " square " << square);
            standOnTestSquare(square);
            state.examCount = 2;
            buttons().PicOut_Click();
            EXPECT_EQ(platform.output.played.back(), (PlayedSound{107, PlayMode::Sync, {}}));
            EXPECT_EQ(state.stepDir, -1);
            EXPECT_TRUE(controls.Timer2->isActive());
            EXPECT_FALSE(state.canSpin);
            walkUntilStopped();
            EXPECT_EQ(state.catPos, state.teachSquareOf[index]);
            EXPECT_EQ(state.squareTable[state.catPos][0], TeachingKind);
            EXPECT_EQ(state.squareTable[state.catPos][1], index);
        }
    }
}

TEST_F(WindowButtonsTest, aTestPassesOnlyWithFourRightAnswers)
{
    struct Outcome {
        bool allRight;
        int count;
        int sound;
    };
    for (Outcome outcome : {Outcome{true, 4, 106}, Outcome{true, 3, 107}, Outcome{false, 4, 107},
                            Outcome{false, 0, 107}}) {
        SCOPED_TRACE(outcome.count);
        standOnTestSquare(squareOf(TestKind, 3));
        state.examAllRight = outcome.allRight;
        state.examCount = static_cast<int16_t>(outcome.count);
        platform.output.clear();
        buttons().PicOut_Click();
        EXPECT_EQ(platform.output.played,
                  (std::vector<PlayedSound>{{outcome.sound, PlayMode::Sync, {}}}));
        EXPECT_EQ(state.canSpin, outcome.sound == 106);
        EXPECT_EQ(controls.Timer2->isActive(), outcome.sound == 107);
        controls.Timer2->stop();
    }
}

TEST_F(WindowButtonsTest, outsideTheWordStagesTheBeeClickOnlyClearsTheWordsAndRepaints)
{
    const QImage board = controls.Pic1->canvas().copy();
    controls.Pic1->clear();
    controls.Label1[5]->show();
    controls.PicWord[1]->show();
    controls.PicOut->show();
    state.canSpin = false;
    state.replayEnabled = true;
    buttons().PicOut_Click();
    EXPECT_EQ(controls.Pic1->canvas(), board);
    EXPECT_TRUE(controls.Label1[5]->isHidden());
    EXPECT_TRUE(controls.PicWord[1]->isHidden());
    EXPECT_FALSE(state.replayEnabled);
    EXPECT_FALSE(controls.PicOut->isHidden());
    EXPECT_FALSE(state.canSpin);
    EXPECT_FALSE(controls.Timer2->isActive());
    EXPECT_TRUE(platform.output.played.empty());
}

TEST_F(WindowButtonsTest, theHelpClickSilencesTheGameRestoresItsLookAndHandsOverToTheHelp)
{
    enter(&WindowButtons::Pichp_MouseMove, QPointF(10, 10));
    buttons().Pichp_Click();
    EXPECT_EQ(platform.output.played, std::vector<PlayedSound>{StopSound});
    EXPECT_EQ(state.soundData, Resources::sound(900));
    EXPECT_EQ(controls.Pichp->picture(), Resources::bitmap(164));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(form.isEnabled());
    ASSERT_NE(form.helpWindow(), nullptr);
    EXPECT_TRUE(form.helpWindow()->isVisible());
    EXPECT_TRUE(form.helpWindow()->isEnabled());
    form.helpWindow()->close();
    EXPECT_TRUE(form.isEnabled());
}

// The buttons under a real pointer on a shown window.
class WindowButtonsWithMouse : public WindowButtonsTest {};

TEST_F(WindowButtonsWithMouse, thePointerLeavingTheBeeIsSeenThroughItsGrab)
{
    showWindow();
    openTeaching(2, 1);
    QWindow *window = form.windowHandle();
    QTest::mouseMove(window, controls.PicOut->mapTo(&form, QPoint(30, 30)));
    EXPECT_EQ(controls.PicOut->picture(), Resources::bitmap(161));
    EXPECT_EQ(QWidget::mouseGrabber(), controls.PicOut);
    QTest::mouseMove(window, QPoint(100, 100));
    EXPECT_EQ(controls.PicOut->picture(), Resources::bitmap(160));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(WindowButtonsWithMouse, clickingTheHoveredBeeEndsTheStageAndTheNextMoveFreesThePointer)
{
    showWindow();
    openTeaching(1, 2);
    QWindow *window = form.windowHandle();
    const QPoint onBee = controls.PicOut->mapTo(&form, QPoint(40, 40));
    QTest::mouseMove(window, onBee);
    QTest::mouseClick(window, Qt::LeftButton, {}, onBee);
    EXPECT_TRUE(controls.PicOut->isHidden());
    EXPECT_TRUE(state.canSpin);
    EXPECT_EQ(visibleCaptions(), std::vector<int>{});
    // The hidden bee still hears the next move, which is outside it, and lets the pointer go.
    QTest::mouseMove(window, QPoint(100, 100));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(controls.PicOut->picture(), Resources::bitmap(160));
}

TEST_F(WindowButtonsWithMouse, clickingTheHoveredHelpButtonOpensTheHelpAndFreesThePointer)
{
    showWindow();
    QWindow *window = form.windowHandle();
    const QPoint onHelp = controls.Pichp->mapTo(&form, QPoint(25, 17));
    QTest::mouseMove(window, onHelp);
    ASSERT_EQ(QWidget::mouseGrabber(), controls.Pichp);
    QTest::mouseClick(window, Qt::LeftButton, {}, onHelp);
    ASSERT_NE(form.helpWindow(), nullptr);
    EXPECT_FALSE(form.isEnabled());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(controls.Pichp->picture(), Resources::bitmap(164));
    form.helpWindow()->close();
}

} // namespace
