// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureButton.h"
#include "Catalogue.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// A picture button alone in a window of its own, shown.
class PictureButtonAlone : public ::testing::Test {
protected:
    PictureButtonAlone()
    {
        window.resize(200, 200);
        button.setDesignGeometry({50, 50, 0, 0});
        button.setPicture(Bitmap::BeeButton);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void send(QEvent::Type type, QPointF at)
    {
        QMouseEvent event(type, at, button.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &event);
    }

    QWidget window;
    PictureButton button{&window};
    QSignalSpy hovered{&button, &PictureButton::hovered};
    QSignalSpy clicked{&button, &PictureButton::clicked};
};

// A finger on a touch screen, or a pointer that jumps, presses with no move before: the
// button looks hovered all the same.
TEST_F(PictureButtonAlone, aPressWithNoMoveBeforeShowsTheHoverLook)
{
    send(QEvent::MouseButtonPress, {10, 10});
    ASSERT_EQ(hovered.count(), 1);
    EXPECT_TRUE(hovered.at(0).at(0).toBool());
    send(QEvent::MouseButtonRelease, {10, 10});
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(PictureButtonAlone, comingAndLeavingShowAndTakeTheHoverLook)
{
    QEnterEvent enter({10, 10}, {10, 10}, button.mapToGlobal(QPointF(10, 10)));
    QCoreApplication::sendEvent(&button, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    ASSERT_EQ(hovered.count(), 2);
    EXPECT_TRUE(hovered.at(0).at(0).toBool());
    EXPECT_FALSE(hovered.at(1).at(0).toBool());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// A child's double-click is one press: the second press comes as a double-click, then its
// release. A press that slides off before its release is none.
TEST_F(PictureButtonAlone, aDoubleClickIsOneClickAndAPressSlidOffIsNone)
{
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseDClick(&button, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {10, 10});
    EXPECT_EQ(clicked.count(), 1);
    send(QEvent::MouseButtonPress, {10, 10});
    send(QEvent::MouseButtonRelease, {150, 150});
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
