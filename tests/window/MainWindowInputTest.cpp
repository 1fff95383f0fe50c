// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Caption.h"
#include "Catalogue.h"
#include "Content.h"
#include "GameScreen.h"
#include "HelpWindow.h"
#include "Journal.h"
#include "MainWindow.h"
#include "PictureButton.h"
#include "RecordingPlatform.h"
#include "Resources.h"
#include "WordRow.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace {

// The real main window on the recording platform, shown on the offscreen screen, with its
// timers quickened so that a spin walks at once, and every held sound over as soon as the
// event loop runs.
class MainWindowInput : public ::testing::Test {
protected:
    MainWindowInput()
    {
        platform.output.endsHeldSoundsSoon = true;
        for (QTimer *timer : window.findChildren<QTimer *>())
            timer->setInterval(1);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        platform.output.played.clear();
    }

    template <typename T> T *child(const char *name) const
    {
        T *found = window.findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Clicks the spinner, drawing number, and waits for the kitten to open the square's stage.
    void spinTo(int number, const char *shownWhenOpen)
    {
        platform.scriptResults(6, {number - 1});
        QTest::mouseClick(child<PictureButton>("spinner"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>(shownWhenOpen)->isVisible(); }));
    }
    // A double-click through the window system, which makes the second press a double-click.
    void doubleClick(QWidget *widget)
    {
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                           widget->mapTo(&window, widget->rect().center()));
    }
    // The help window shown, if any.
    static HelpWindow *shownHelp()
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *help = qobject_cast<HelpWindow *>(top); help && help->isVisible())
                return help;
        }
        return nullptr;
    }
    bool isRed(const char *caption) const
    {
        return child<Caption>(caption)->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }
    // Whether the picture button shows picture, at design size.
    bool shows(const char *button, BitmapId picture) const
    {
        return child<PictureButton>(button)->grab().toImage().convertToFormat(
                   QImage::Format_RGB32) == Resources::bitmap(picture);
    }
    int heard(PlayedSound sound) const
    {
        return static_cast<int>(
            std::count(platform.output.played.begin(), platform.output.played.end(), sound));
    }

    static const Content &content()
    {
        static const Content built = Content::builtIn();
        return built;
    }
    Journal journal;
    RecordingPlatform platform{journal};
    MainWindow window{platform, content()};
};

TEST_F(MainWindowInput, aChildPlaysATeachingSquareWithTheMouse)
{
    spinTo(1, "beeButton");
    QWidget *caption = child<QWidget>("wordCaption1");
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_EQ(platform.output.played.back(),
              (PlayedSound{Sound::wordSound(content().groupWord(0, 1)), false}));
    EXPECT_TRUE(isRed("wordCaption1"));
    QTest::mouseMove(window.windowHandle(), QPoint(5, 500));
    EXPECT_FALSE(isRed("wordCaption1"));

    // The bee shows its hover look while the pointer is on it, and never holds the pointer.
    auto *bee = child<PictureButton>("beeButton");
    QTest::mouseMove(window.windowHandle(), bee->mapTo(&window, bee->rect().center()));
    EXPECT_TRUE(shows("beeButton", Bitmap::BeeButtonHovered));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseMove(window.windowHandle(), bee->mapTo(&window, QPoint(-2, -2)));
    EXPECT_TRUE(shows("beeButton", Bitmap::BeeButton));
    QTest::mouseClick(bee, Qt::LeftButton);
    EXPECT_FALSE(caption->isVisible());
    EXPECT_FALSE(child<QWidget>("wordPicture1")->isVisible());
    EXPECT_FALSE(bee->isVisible());
    spinTo(1, "beeButton");
}

// In a level-1 quiz the pointer on a caption shows its word's picture and reddens it; on the
// board it takes both away.
TEST_F(MainWindowInput, thePointerOnACaptionShowsItsPictureInTheFirstQuiz)
{
    platform.scriptResults(6, {2});
    platform.scriptResults(4, {0, 0, 0, 0});
    QTest::mouseClick(child<PictureButton>("spinner"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("tadpoleButton")->isVisible(); }));
    auto *caption = child<Caption>("wordCaption2");
    QTest::mouseMove(window.windowHandle(), caption->mapTo(&window, caption->rect().center()));
    EXPECT_TRUE(isRed("wordCaption2"));
    EXPECT_TRUE(child<QWidget>("wordPicture2")->isVisible());
    QTest::mouseMove(window.windowHandle(), QPoint(5, 500));
    EXPECT_FALSE(isRed("wordCaption2"));
    EXPECT_FALSE(child<QWidget>("wordPicture2")->isVisible());
}

// The window made scale times its design size: the screen fills it, and every click at a design
// point scaled lands on what it lands on at design size.
class MainWindowAtScale : public MainWindowInput, public ::testing::WithParamInterface<double> {
protected:
    MainWindowAtScale()
    {
        window.resize(625 * scale(), 521 * scale());
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen()->width() == window.width(); }));
    }
    double scale() const { return GetParam(); }
    GameScreen *screen() const { return window.findChild<GameScreen *>(); }
    QPoint at(int x, int y) const { return {qRound(x * scale()), qRound(y * scale())}; }
    void click(QPoint point)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
    }
};

TEST_P(MainWindowAtScale, theSpinnerACaptionTheBeeAndTheTadpoleAnswerClicksWhereTheyStand)
{
    // The spinner's middle; the kitten walks to the teaching square 2.
    platform.scriptResults(6, {0});
    click(at(573, 69));
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("beeButton")->isVisible(); }));
    const int word = content().groupWord(0, 1);
    click(at(WordRow::captionLeft(1) + 12, WordRow::CaptionTop + 12));
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{Sound::wordSound(word), false}));
    // The word picture is drawn for this scale, pixel for pixel.
    auto *picture = child<PictureButton>("wordPicture1");
    EXPECT_EQ(picture->geometry().topLeft(), at(WordRow::pictureLeft(1), 56));
    if (scale() == qRound(scale())) {
        EXPECT_EQ(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  Resources::bitmap(Bitmap::wordPicture(word), qRound(scale())));
    }
    click(at(384 + 49, 384 + 52));
    EXPECT_FALSE(child<QWidget>("beeButton")->isVisible());

    // On to the quiz on square 4, its words in order; the tadpole says the asked word again.
    platform.scriptResults(6, {1});
    platform.scriptResults(4, {0, 0, 0, 0});
    click(at(573, 69));
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("tadpoleButton")->isVisible(); }));
    platform.output.played.clear();
    click(at(352 + 50, 392 + 50));
    EXPECT_EQ(platform.output.played,
              (std::vector<PlayedSound>{{Sound::wordSound(content().groupWord(0, 0)), false}}));
    click(at(WordRow::captionLeft(0) + 12, 184 + 12));
    EXPECT_TRUE(QTest::qWaitFor([&] { return heard({Sound::RightAnswer, true}) == 1; }));
}

INSTANTIATE_TEST_SUITE_P(OneAndAHalfTwoAndThree, MainWindowAtScale,
                         ::testing::Values(1.5, 2.0, 3.0), [](const auto &scale) {
                             return "scale" + std::to_string(int(scale.param * 10));
                         });

// F11 fills the screen, and Escape or F11 leaves it; the screen grows with the window, in the
// middle.
TEST_F(MainWindowInput, fullScreenComesAndGoesWithF11AndEscapeAndTheScreenGrowsWithIt)
{
    auto *screen = window.findChild<GameScreen *>();
    QTest::keyClick(&window, Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() != GameScreen::DesignSize; }));
    const QSize shown = screen->size();
    EXPECT_TRUE(shown.width() == window.width() || shown.height() == window.height());
    EXPECT_GT(shown.width(), GameScreen::DesignSize.width());
    EXPECT_EQ(screen->geometry().center(), window.rect().center());
    QTest::keyClick(&window, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->size() == GameScreen::DesignSize; }));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isFullScreen());
    QTest::keyClick(&window, Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen(); }));
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }));
}

// The help silences the game and opens centred over it, modal to it: the game takes no input
// until the help closes, with Escape too. Closing the game closes the help.
TEST_F(MainWindowInput, theHelpOpensOverTheGameAndHoldsItUntilEscapeClosesIt)
{
    QTest::mouseClick(child<PictureButton>("helpButton"), Qt::LeftButton);
    HelpWindow *help = shownHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "帮助");
    EXPECT_EQ(help->parentWidget(), &window);
    EXPECT_EQ(QApplication::activeModalWidget(), help);
    EXPECT_LE((help->geometry().center() - window.geometry().center()).manhattanLength(), 4);
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{Sound::Stop, false}));
    platform.output.played.clear();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      child<QWidget>("spinner")->geometry().center());
    EXPECT_TRUE(platform.output.played.empty());

    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return shownHelp() == nullptr; }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(child<PictureButton>("helpButton"), Qt::LeftButton);
    ASSERT_NE(shownHelp(), nullptr);
    window.close();
    EXPECT_EQ(shownHelp(), nullptr);
}

// Children double-click; the second press of a double-click presses nothing, wherever it is.
TEST_F(MainWindowInput, aDoubleClickIsOnePressOnTheBoardAndEveryButton)
{
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(250, 470));
    EXPECT_EQ(heard({Sound::narration(1), false}), 1);
    // One square on, the bee ends the first teaching square and arms the spinner.
    platform.scriptResults(6, {0});
    doubleClick(child<QWidget>("spinner"));
    EXPECT_EQ(heard({Sound::Whirl, false}), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("beeButton")->isVisible(); }));
    doubleClick(child<QWidget>("beeButton"));
    EXPECT_FALSE(child<QWidget>("beeButton")->isVisible());
    // Two squares on, the first quiz of the level asks its words in the order shuffled; the
    // tadpole says the asked word once more.
    platform.scriptResults(6, {1});
    platform.scriptResults(4, {0, 0, 0, 0});
    doubleClick(child<QWidget>("spinner"));
    EXPECT_EQ(heard({Sound::Whirl, false}), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("tadpoleButton")->isVisible(); }));
    const PlayedSound firstWord{Sound::wordSound(content().groupWord(0, 0)), false};
    doubleClick(child<QWidget>("tadpoleButton"));
    EXPECT_EQ(heard(firstWord), 2);
    doubleClick(child<QWidget>("wordCaption0"));
    const PlayedSound nextWord{Sound::wordSound(content().groupWord(0, 1)), false};
    EXPECT_TRUE(QTest::qWaitFor([&] { return heard(nextWord) == 1; }));
    EXPECT_EQ(heard({Sound::RightAnswer, true}), 1);
    EXPECT_TRUE(child<QWidget>("wordCaption0")->isVisible());
    doubleClick(child<QWidget>("helpButton"));
    EXPECT_EQ(heard({Sound::Stop, false}), 1);
    ASSERT_NE(shownHelp(), nullptr);
    shownHelp()->close();
}

// Clicks as fast as a child's hands, piled up in the event queue: the spinner whirls once, and
// the kitten walks on.
TEST_F(MainWindowInput, aBurstOfClicksOnTheSpinnerWhirlsOnceAndTheKittenWalksOn)
{
    auto *spinner = child<PictureButton>("spinner");
    const QPointF at = QRectF(spinner->rect()).center();
    for (int click = 0; click < 200; ++click) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(spinner, new QMouseEvent(type, at, spinner->mapToGlobal(at),
                                                                 Qt::LeftButton, Qt::LeftButton,
                                                                 Qt::NoModifier));
    }
    platform.draws.assign(200, 0.5f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return heard({Sound::Step, false}) > 0; }, 3000));
    EXPECT_EQ(heard({Sound::Whirl, false}), 1);
}

// On a screen too small for the game the window opens as large as fits, in the game's
// proportions, and never below half its size.
TEST(MainWindowSize, opensAtTheGameSizeOrAsLargeAsTheScreenAllows)
{
    EXPECT_EQ(MainWindow::openingSize({1920, 1080}), GameScreen::DesignSize);
    const QSize small = MainWindow::openingSize({640, 480});
    EXPECT_LE(small.height(), 480 - 40);
    EXPECT_LT(small.width(), 625);
    EXPECT_NEAR(double(small.width()) / small.height(), 625.0 / 521, 0.01);
    EXPECT_EQ(MainWindow::openingSize({200, 150}), QSize(313, 261));
}

} // namespace
