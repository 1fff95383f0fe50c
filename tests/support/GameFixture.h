#pragma once

#include "Board.h"
#include "BoardView.h"
#include "Controls.h"
#include "Form1.h"
#include "GameState.h"
#include "RecordingPlatform.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <array>
#include <chrono>
#include <memory>

// The real main window on the recording platform, started up and idle on square 1 of level
// 1. The level-1 narration it started is already cleared from the recorded sounds, and the
// pending-event run of its level load from the count. The two timers only ever tick when the
// test delivers a tick: their intervals are stretched to an hour, which leaves their active
// state, the thing the game switches, as it is.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        platform.output.clear();
        platform.pendingEventRuns = 0;
        controls.Timer1->setInterval(std::chrono::hours(1));
        controls.Timer2->setInterval(std::chrono::hours(1));
    }

    // Delivers Timer2's ticks one by one while the timer runs, at most limit of them;
    // returns how many were delivered.
    int walkUntilStopped(int limit = 200)
    {
        int ticks = 0;
        while (controls.Timer2->isActive() && ticks < limit) {
            form.board().Timer2_Timer();
            ++ticks;
        }
        return ticks;
    }

    // Puts the kitten on square and repaints the board there.
    void placeKitten(int square)
    {
        state.catPos = static_cast<int16_t>(square);
        form.board().redrawBoard(1);
    }

    // Puts the kitten on square of level, with that level's tables, scene and board.
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

    // A left click on widget's centre, handled now.
    static void clickOn(QWidget *widget)
    {
        for (auto &event : leftClick(widget))
            QCoreApplication::sendEvent(widget, event.get());
    }

    // A left click on widget's centre, queued as input still to be handled.
    static void postClickOn(QWidget *widget)
    {
        for (auto &event : leftClick(widget))
            QCoreApplication::postEvent(widget, event.release());
    }

    // The board pixels in rect, comparable with a bitmap.
    QImage boardRegion(QRect rect) const
    {
        return controls.Pic1->canvas().copy(rect).convertToFormat(QImage::Format_RGB32);
    }
    static QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
    // The 40 x 40 board cell of square.
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

private:
    static std::array<std::unique_ptr<QMouseEvent>, 2> leftClick(QWidget *widget)
    {
        const QPointF at = QRectF(widget->rect()).center();
        const QPointF global = widget->mapToGlobal(at);
        return {std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                              Qt::LeftButton, Qt::NoModifier),
                std::make_unique<QMouseEvent>(QEvent::MouseButtonRelease, at, global,
                                              Qt::LeftButton, Qt::NoButton, Qt::NoModifier)};
    }
};
