// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "Content.h"
#include "GameScreen.h"
#include "HelpWindow.h"
#include "Journal.h"
#include "MainWindow.h"
#include "PictureButton.h"
#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// A dark desktop theme's colours, as a dark Qt theme sets them on the application.
QPalette darkPalette()
{
    QPalette dark(QColor(60, 60, 60), QColor(35, 35, 35));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    return dark;
}

struct Pictures {
    QImage window;
    QImage help;
};

// The main window, wider than the screen so that the window's grey shows beside it, with a
// teaching stage open (captions on the board), and the help window: as the game shows them
// under the application palette given.
Pictures picturesUnder(const QPalette &palette)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    const Content content = Content::builtIn();
    Journal journal;
    RecordingPlatform platform(journal);
    platform.output.endsHeldSoundsSoon = true;
    Pictures pictures;
    {
        MainWindow window(platform, content);
        for (QTimer *timer : window.findChildren<QTimer *>())
            timer->setInterval(1);
        window.resize(800, 521);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        platform.scriptResults(6, {0});
        QTest::mouseClick(window.findChild<PictureButton *>(QStringLiteral("spinner")),
                          Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return window.findChild<QWidget *>(QStringLiteral("beeButton"))->isVisible(); }));
        pictures.window = window.grab().toImage();
        QTest::mouseClick(window.findChild<PictureButton *>(QStringLiteral("helpButton")),
                          Qt::LeftButton);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *help = qobject_cast<HelpWindow *>(top); help && help->isVisible())
                pictures.help = help->grab().toImage();
        }
        window.close();
    }
    QApplication::setPalette(before);
    return pictures;
}

TEST(Theme, aDarkDesktopLeavesTheGameAndItsHelpInTheirOwnColours)
{
    const Pictures light = picturesUnder(QApplication::palette());
    const Pictures dark = picturesUnder(darkPalette());
    ASSERT_FALSE(light.help.isNull());
    EXPECT_TRUE(dark.window == light.window);
    EXPECT_TRUE(dark.help == light.help);
    // The grey beside the board is the one baked into the spinner's and help button's pictures.
    EXPECT_EQ(light.window.pixelColor(5, 5), GameScreen::windowColour());
    EXPECT_EQ(light.window.pixelColor(790, 300), GameScreen::windowColour());
    EXPECT_EQ(light.help.pixelColor(2, 2), QColor(Qt::white));
}

} // namespace
