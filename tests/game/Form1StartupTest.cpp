#include "BoardView.h"
#include "Caption.h"
#include "Form1.h"
#include "PictureBox.h"
#include "RecordingPlatform.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>

namespace {

class Form1Startup : public ::testing::Test {
protected:
    RecordingPlatform platform;
    Form1 form{platform};
    GameState &state = form.state();
    Controls &controls = form.controls();
};

TEST_F(Form1Startup, leavesTheGameIdleOnSquareOneOfLevelOneWithOnlyTheNarrationStarted)
{
    EXPECT_EQ(state.stageState, "whatdo");
    EXPECT_EQ(state.turnState, "playturn");
    EXPECT_EQ(state.level, 1);
    EXPECT_EQ(state.catPos, 1);
    EXPECT_TRUE(state.canSpin);
    EXPECT_EQ(state.stepsLeft, 0);
    EXPECT_EQ(state.walkPhase, 0);
    EXPECT_EQ(state.hoverWord, -1);
    EXPECT_EQ(state.wordsPerGroup, 4);
    EXPECT_FALSE(state.replayEnabled);
    EXPECT_EQ(QPoint(state.viewLeft, state.viewTop), QPoint(0, 0));
    EXPECT_EQ(state.appDir, platform.folder + "/");
    EXPECT_FALSE(controls.Timer1->isActive());
    EXPECT_FALSE(controls.Timer2->isActive());
    EXPECT_EQ(controls.Timer1->interval(), 1000);
    EXPECT_EQ(controls.Timer2->interval(), 200);
    EXPECT_EQ(controls.Timer2->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{121, PlayMode::Async, {}}}));
    EXPECT_EQ(platform.pendingEventRuns, 1);
}

TEST_F(Form1Startup, laysOutTheWindowBoardButtonsAndHoldersAtTheirDesignPixels)
{
    EXPECT_EQ(form.size(), QSize(625, 521));
    EXPECT_EQ(controls.Pic1->geometry(), QRect(0, 0, 520, 520));
    EXPECT_EQ(controls.PicTurn->picture(), Resources::bitmap(111));
    EXPECT_EQ(controls.PicTurn->geometry(), QRect(528, 24, 90, 90));
    EXPECT_EQ(controls.Pichp->picture(), Resources::bitmap(164));
    EXPECT_EQ(controls.Pichp->geometry(), QRect(544, 376, 50, 35));
    EXPECT_EQ(controls.Pichp->toolTip(), "帮助");
    EXPECT_FALSE(controls.PicTurn->isHidden() || controls.Pichp->isHidden());
    EXPECT_EQ(controls.Picrep->pos(), QPoint(352, 392));
    EXPECT_EQ(controls.PicOut->pos(), QPoint(384, 384));
    const int pictureLeft[] = {72, 184, 288, 392};
    const QPoint captionAt[] = {{72, 184}, {192, 184}, {296, 184}, {408, 184},
                                {72, 296}, {192, 296}, {296, 296}, {416, 296}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(controls.PicWord[k]->pos(), QPoint(pictureLeft[k], 56));
        EXPECT_EQ(controls.PicIco[k]->picture(), Resources::bitmap(101 + k));
        EXPECT_EQ(controls.PicBoy[k]->picture(), Resources::bitmap(105 + k));
    }
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(controls.Label1[k]->pos(), captionAt[k]);
        EXPECT_EQ(controls.Label1[k]->parentWidget(), controls.Pic1);
    }
    EXPECT_EQ(controls.PicBg->picture(), Resources::bitmap(121));
    std::vector<QWidget *> hidden = {controls.Picrep, controls.PicOut, controls.PicBg};
    for (const auto *group : {&controls.PicWord, &controls.PicBoy, &controls.PicIco})
        hidden.insert(hidden.end(), group->begin(), group->end());
    hidden.insert(hidden.end(), controls.LabSh.begin(), controls.LabSh.end());
    hidden.insert(hidden.end(), controls.Label1.begin(), controls.Label1.end());
    for (QWidget *control : hidden)
        EXPECT_TRUE(control->isHidden());
}

TEST_F(Form1Startup, givesTheCaptionsAndPoemLabelsTheirPlacesAlignmentsAndFaces)
{
    EXPECT_EQ(controls.LabSh[0]->geometry(), QRect(100, 80, 217, 25));
    EXPECT_EQ(controls.LabSh[1]->geometry(), QRect(100, 110, 185, 25));
    EXPECT_EQ(controls.LabSh[2]->pos(), QPoint(100, 140));
    const Qt::Alignment aligned[] = {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft};
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(controls.LabSh[k]->alignment() & Qt::AlignHorizontal_Mask, aligned[k]);
    for (Caption *caption : controls.Label1) {
        EXPECT_EQ(caption->font().family(), "楷体_GB2312");
        EXPECT_EQ(caption->font().pixelSize(), 35);
        EXPECT_TRUE(caption->font().bold());
        EXPECT_EQ(caption->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(caption->textColour(), QColor(Qt::black));
    }
    EXPECT_EQ(controls.LabSh[0]->font().family(), "幼圆");
    EXPECT_EQ(controls.LabSh[0]->font().pixelSize(), 20);
    EXPECT_EQ(controls.LabSh[1]->font().family(), "宋体");
    EXPECT_EQ(controls.LabSh[1]->font().pixelSize(), 16);
    EXPECT_FALSE(controls.LabSh[1]->font().bold());
}

TEST_F(Form1Startup, closingTheWindowCutsOffTheNarrationWithTheStopSound)
{
    platform.output.clear();
    form.close();
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{900, PlayMode::Async, {}}}));
}

} // namespace
