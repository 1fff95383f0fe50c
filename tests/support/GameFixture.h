#pragma once

#include "Board.h"
#include "BoardView.h"
#include "Controls.h"
#include "Form1.h"
#include "GameState.h"
#include "PictureBox.h"
#include "RecordingPlatform.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <chrono>

// The real main window on the recording platform, idle on square 1 of level 1, with the
// start-up narration and pending-event run cleared. The timers tick only when a test delivers
// a tick: their intervals are stretched to an hour, leaving their active state as it is.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        platform.output.clear();
        platform.pendingEventRuns = 0;
        controls.Timer1->setInterval(std::chrono::hours(1));
        controls.Timer2->setInterval(std::chrono::hours(1));
    }

    // Delivers Timer2's ticks while it runs, at most limit; returns how many.
    int walkUntilStopped(int limit = 200)
    {
        int ticks = 0;
        while (controls.Timer2->isActive() && ticks < limit) {
            form.board().Timer2_Timer();
            ++ticks;
        }
        return ticks;
    }

    // On the offscreen screen, so that real mouse events reach it.
    void showWindow()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void placeKitten(int square)
    {
        state.catPos = static_cast<int16_t>(square);
        form.board().redrawBoard(1);
    }

    void startLevelOn(int level, int square)
    {
        state.level = static_cast<int16_t>(level);
        form.loadLevel();
        placeKitten(square);
        platform.output.clear();
    }

    // Sets up a walk of stepsLeft + 1 squares in direction from the kitten's square, as the
    // turn start leaves it, with Timer2 running.
    void beginWalk(int stepsLeft, int direction = 1)
    {
        state.turnState = QStringLiteral("gostep");
        state.stepsLeft = static_cast<int16_t>(stepsLeft);
        state.stepDir = static_cast<int16_t>(direction);
        state.walkPhase = 0;
        controls.Timer2->start();
    }

    // A left click on widget's centre, handled now or queued as input still to be handled.
    static void clickOn(QWidget *widget, bool queued = false)
    {
        const QPointF at = QRectF(widget->rect()).center();
        const QPointF global = widget->mapToGlobal(at);
        for (bool press : {true, false}) {
            auto *event = new QMouseEvent(press ? QEvent::MouseButtonPress
                                                : QEvent::MouseButtonRelease,
                                          at, global, Qt::LeftButton,
                                          press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            if (queued) {
                QCoreApplication::postEvent(widget, event);
            } else {
                QCoreApplication::sendEvent(widget, event);
                delete event;
            }
        }
    }
    static void postClickOn(QWidget *widget) { clickOn(widget, true); }

    // Comparable with a bitmap.
    QImage boardRegion(QRect rect) const
    {
        return controls.Pic1->canvas().copy(rect).convertToFormat(QImage::Format_RGB32);
    }
    QImage scene() const { return boardRegion({110, 110, 300, 300}); }
    // A square of the board colour.
    static QImage blank(int size)
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(BoardView::backgroundColour());
        return image;
    }
    bool faceIs(int bitmap) const
    {
        return controls.PicTurn->picture() == Resources::bitmap(bitmap);
    }
    static QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
    QRect cellOf(int square) const
    {
        return {40 * state.squareCol[square] + 20, 40 * state.squareRow[square] + 20, 40, 40};
    }
    // The picture of a kitten frame pair (mask, image) drawn over under, as the board draws it.
    static QImage kittenOver(const QImage &under, int mask, int image)
    {
        QImage result = rgb32(under);
        const QImage m = rgb32(Resources::bitmap(mask));
        const QImage i = rgb32(Resources::bitmap(image));
        for (int y = 0; y < result.height(); ++y)
            for (int x = 0; x < result.width(); ++x)
                result.setPixel(
                    x, y, ((result.pixel(x, y) & m.pixel(x, y)) ^ i.pixel(x, y)) | 0xff000000);
        return result;
    }

    RecordingPlatform platform;
    Form1 form{platform};
    GameState &state = form.state();
    Controls &controls = form.controls();
};
