// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"
#include "Content.h"
#include "Fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
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

// The captions and the poem stand in the game's own face at every scale the window takes, in
// type as large as the scale makes it, and a caption or verse is as large as its text.
TEST(GameScreen, captionsAndPoemsKeepTheirFaceAndFitAtEveryScale)
{
    Fonts::install();
    GameScreen screen;
    const Content content = Content::builtIn();
    const Poem &poem = content.poem(0);
    screen.showCaption(0, content.word(0), 72, 184);
    screen.showPoem(poem);
    struct Text {
        QString start;
        int designPixels;
        bool fitsItsText;
    };
    const Text texts[] = {{content.word(0), 35, true},
                          {poem.title, 20, false},
                          {poem.poet, 16, false},
                          {poem.lines[0], 20, true}};
    for (const qreal scale : {1.5, 0.5, 2.0, 3.0}) {
        screen.setScale(scale);
        for (const Text &text : texts) {
            const QLabel *label = nullptr;
            for (const QLabel *candidate : screen.findChildren<QLabel *>())
                label = candidate->text().startsWith(text.start) ? candidate : label;
            ASSERT_NE(label, nullptr) << text.start.toStdString();
            const QFontInfo face(label->font());
            EXPECT_EQ(face.family(), QStringLiteral("Hanzi Kitten Kai")) << scale;
            EXPECT_EQ(face.pixelSize(), qRound(text.designPixels * scale)) << scale;
            if (text.fitsItsText) {
                EXPECT_TRUE(label->width() >= label->sizeHint().width() &&
                            label->height() >= label->sizeHint().height())
                    << text.start.toStdString() << " at " << scale;
            }
        }
    }
}

} // namespace
