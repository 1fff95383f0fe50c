#include "WordStageFixture.h"

#include "Form3.h"
#include "WindowButtons.h"

#include <gtest/gtest.h>

namespace {

class WindowButtonsTest : public WordStageFixture {
protected:
    WindowButtons &buttons() { return form.buttons(); }

    // The walk state of a test reached by a spin.
    void standOnTestSquare(int square)
    {
        placeKitten(square);
        state.stageState = QStringLiteral("playexam");
        state.turnState = QStringLiteral("gostep");
        state.canSpin = false;
    }
};

TEST_F(WindowButtonsTest, theBeeAndTheHelpButtonWearTheirHoverLookInsideTheirEdgesAndHoldTheMouse)
{
    openTeaching(1, 1);
    expectHoverLook(
        *controls.PicOut, [&](QPointF at) { buttons().PicOut_MouseMove(at); }, 160, 161);
    expectHoverLook(
        *controls.Pichp, [&](QPointF at) { buttons().Pichp_MouseMove(at); }, 164, 165);
}

TEST_F(WindowButtonsTest, aFailedTestWalksBackFromEveryTestSquareToBeTaughtItsWordsAgain)
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
            platform.output.clear();
            buttons().PicOut_Click();
            EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{107, PlayMode::Sync, {}}}));
            EXPECT_EQ(state.stepDir, -1);
            EXPECT_TRUE(controls.Timer2->isActive());
            EXPECT_FALSE(state.canSpin);
            walkUntilStopped();
            EXPECT_EQ(state.squareTable[state.catPos][0], TeachingKind);
            EXPECT_EQ(state.squareTable[state.catPos][1], index);
            EXPECT_EQ(state.catPos, state.teachSquareOf[index]);
            EXPECT_EQ(state.stageState, "playword");
            EXPECT_EQ(controls.Label1[0]->text(), state.wordList[word(0, index - 1)]);
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

TEST_F(WindowButtonsTest, clickingTheHoveredHelpButtonSilencesTheGameFreesThePointerAndOpensTheHelp)
{
    showWindow();
    QWindow *window = form.windowHandle();
    const QPoint onHelp = controls.Pichp->mapTo(&form, QPoint(25, 17));
    QTest::mouseMove(window, onHelp);
    ASSERT_EQ(QWidget::mouseGrabber(), controls.Pichp);
    QTest::mouseClick(window, Qt::LeftButton, {}, onHelp);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{900, PlayMode::Async, {}}}));
    EXPECT_EQ(state.soundData, Resources::sound(900));
    EXPECT_EQ(controls.Pichp->picture(), Resources::bitmap(164));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    ASSERT_NE(form.helpWindow(), nullptr);
    EXPECT_TRUE(form.helpWindow()->isVisible());
    form.helpWindow()->close();
}

} // namespace
