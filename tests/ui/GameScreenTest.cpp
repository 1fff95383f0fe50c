#include "GameScreen.h"
#include "Content.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A held sound starts only once the screen shows what goes with it: the poem is painted
// before its recitation begins, on any platform, where painting may come late.
TEST(GameScreen, whatWaitsForTheScreenRunsAfterItIsPainted)
{
    GameScreen screen;
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    QTest::qWait(50);
    const Content content = Content::builtIn();
    screen.clearBoard();
    screen.showPoem(content.poem(0));
    QLabel *title = nullptr;
    for (QLabel *label : screen.findChildren<QLabel *>()) {
        if (label->text() == content.poem(0).title)
            title = label;
    }
    ASSERT_NE(title, nullptr);
    PaintCounter counter(title);
    int paintsBefore = -1;
    screen.whenShown([&] { paintsBefore = counter.paints; });
    EXPECT_EQ(paintsBefore, -1) << "it runs from the event loop, not at once";
    ASSERT_TRUE(QTest::qWaitFor([&] { return paintsBefore >= 0; }));
    EXPECT_GE(paintsBefore, 1);
}

// A hidden screen paints nothing; what waits goes on soon all the same.
TEST(GameScreen, whatWaitsForAHiddenScreenRunsSoon)
{
    GameScreen screen;
    bool ran = false;
    screen.whenShown([&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran; }, 100));
}

} // namespace
