#include "Form3.h"
#include "GameFixture.h"
#include "PictureBox.h"
#include "WindowButtons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

// The instructions as the child reads them.
const QString Instructions = QStringLiteral(
    "游戏说明：游戏通过一个小故事引导孩子学习汉字，其中包括教汉字，"
    "测试汉字掌握情况，背唐诗等几个环节。游戏分为三级，难度逐渐加深。"
    "三级全部通过后，孩子可以基本掌握所学汉字。"
    "\r\n\r\n"
    "游戏方法：点击转盘开始游戏，转盘显示的数字表示"
    "要走的格数,小猫会自动走到该格进入相应环节。"
    "\r\n\r\n"
    "教汉字环节：每个字词都配有图片，加强孩子对字词的理解及记忆，用鼠标点击"
    "字词，会有该字词的发音。都学会了以后，点击小蜜蜂退出此环节，点击转盘"
    "继续游戏。"
    "\r\n\r\n"
    "测试环节：游戏每给出一个字词，要用鼠标点击相应字词，如果没有听清，可以点击"
    "小蝌蚪再听一遍。全部点对即可过关。过关后点击转盘继续游戏。"
    "\r\n\r\n"
    "背唐诗:进入此环节游戏会朗诵一首唐诗。听完唐诗后点击转盘继续游戏。");

class HelpWindow : public GameFixture {
protected:
    // As the help button does.
    Form3 &openHelp()
    {
        form.buttons().Pichp_Click();
        return *form.helpWindow();
    }
};

TEST_F(HelpWindow, isAWhiteWindowOfItsOwnShowingTheInstructionsWhileTheGameWaitsDisabled)
{
    QPointer<Form3> opened = &openHelp();
    Form3 &help = *opened;
    EXPECT_TRUE(help.isWindow());
    EXPECT_EQ(help.parentWidget(), nullptr);
    EXPECT_EQ(help.windowTitle(), "帮助");
    EXPECT_EQ(help.size(), QSize(388, 287));
    EXPECT_EQ(help.pos(), QPoint(147, 133));
    EXPECT_FALSE(form.isEnabled());
    EXPECT_TRUE(help.isEnabled());
    ASSERT_NE(help.Label1, nullptr);
    EXPECT_EQ(help.Label1->text(), Instructions);
    EXPECT_EQ(help.Label1->geometry(), QRect(8, 8, 369, 273));
    EXPECT_TRUE(help.Label1->wordWrap());
    EXPECT_EQ(help.Label1->alignment(), Qt::AlignLeft | Qt::AlignTop);
    for (QWidget *white : {static_cast<QWidget *>(&help), static_cast<QWidget *>(help.Label1)}) {
        EXPECT_TRUE(white->autoFillBackground());
        EXPECT_EQ(white->palette().color(QPalette::Window), QColor(Qt::white));
    }
    // Closing it gives the game back, and it goes.
    help.close();
    EXPECT_TRUE(form.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
    EXPECT_EQ(form.helpWindow(), nullptr);
}

TEST_F(HelpWindow, aWalkGoesOnWhileItIsOpen)
{
    // The walking tick at its real pace, not stretched as the fixture leaves it.
    controls.Timer2->setInterval(200);
    placeKitten(10);
    beginWalk(0);
    openHelp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.catPos == 11; }, 2000));
    form.helpWindow()->close();
}

TEST_F(HelpWindow, theGameTakesNoClickWhileItIsOpenAndTakesOneAtOnceAfter)
{
    showWindow();
    QSignalSpy spinnerClicks(controls.PicTurn, &PictureBox::clicked);
    const QPoint onSpinner = controls.PicTurn->geometry().center();
    openHelp();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, onSpinner);
    EXPECT_EQ(spinnerClicks.count(), 0);
    form.helpWindow()->close();
    // The spinner is armed, so a click spins it; its result face needs one draw.
    platform.scriptResults(6, {2});
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, onSpinner);
    EXPECT_EQ(spinnerClicks.count(), 1);
}

TEST_F(HelpWindow, closingTheGameWithTheHelpOpenClosesBothAndQuits)
{
    showWindow();
    QPointer<Form3> help;
    QTimer::singleShot(0, &form, [&] {
        help = &openHelp();
        form.close();
    });
    // Should the application fail to quit, this ends the wait with a distinct code.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(help.isNull() || !help->isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{900, PlayMode::Async, {}}));
}

} // namespace
