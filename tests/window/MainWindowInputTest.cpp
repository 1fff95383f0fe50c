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
// timers quickened so that a spin walks at once.
class MainWindowInput : public ::testing::Test {
protected:
    MainWindowInput()
    {
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
              (PlayedSound{Sound::wordSound(content().groupWord(0, 1)), PlayMode::Async}));
    EXPECT_TRUE(isRed("wordCaption1"));
    QTest::mouseMove(window.windowHandle(), QPoint(5, 500));
    EXPECT_FALSE(isRed("wordCaption1"));

    auto *bee = child<PictureButton>("beeButton");
    // Once the bee holds the pointer, its right and bottom edges still count as inside.
    const QPoint corner = bee->mapTo(&window, QPoint(bee->width(), bee->height()));
    QTest::mouseMove(window.windowHandle(), bee->mapTo(&window, bee->rect().center()));
    QTest::mouseMove(window.windowHandle(), corner);
    EXPECT_EQ(QWidget::mouseGrabber(), bee);
    QTest::mouseMove(window.windowHandle(), corner + QPoint(1, 1));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseClick(bee, Qt::LeftButton);
    EXPECT_FALSE(caption->isVisible());
    EXPECT_FALSE(bee->isVisible());
    spinTo(1, "beeButton");
}

// The window made scale times its design size: the screen fills it, and every click at a design
// point scaled lands on what it lands on at design size. Edges included.
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
    void move(QPoint point) { QTest::mouseMove(window.windowHandle(), point); }
};

TEST_P(MainWindowAtScale, theSpinnerACaptionTheBeeAndTheTadpoleAnswerClicksWhereTheyStand)
{
    // The spinner's middle; the kitten walks to the teaching square 2.
    platform.scriptResults(6, {0});
    click(at(573, 69));
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("beeButton")->isVisible(); }));
    const int word = content().groupWord(0, 1);
    click(at(WordRow::captionLeft(1) + 12, WordRow::CaptionTop + 12));
    EXPECT_EQ(platform.output.played.back(),
              (PlayedSound{Sound::wordSound(word), PlayMode::Async}));
    // The word picture is drawn for this scale, pixel for pixel.
    auto *picture = child<PictureButton>("wordPicture1");
    EXPECT_EQ(picture->geometry().topLeft(), at(WordRow::pictureLeft(1), 56));
    if (scale() == qRound(scale())) {
        EXPECT_EQ(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  Resources::bitmap(Bitmap::wordPicture(word), qRound(scale())));
    }

    // The bee's bottom-right corner is inside, the pixel beyond it outside.
    auto *bee = child<PictureButton>("beeButton");
    move(at(384 + 49, 384 + 52));
    move(at(384 + 98, 384 + 104));
    EXPECT_EQ(QWidget::mouseGrabber(), bee);
    move(at(384 + 98, 384 + 104) + QPoint(1, 1));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    click(at(384 + 49, 384 + 52));
    EXPECT_FALSE(bee->isVisible());

    // On to the quiz on square 4, its words in order; the tadpole says the asked word again.
    platform.scriptResults(6, {1});
    platform.scriptResults(4, {0, 0, 0, 0});
    click(at(573, 69));
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("tadpoleButton")->isVisible(); }));
    platform.output.played.clear();
    click(at(352 + 50, 392 + 50));
    EXPECT_EQ(
        platform.output.played,
        (std::vector<PlayedSound>{{Sound::wordSound(content().groupWord(0, 0)), PlayMode::Async}}));
    click(at(WordRow::captionLeft(0) + 12, 184 + 12));
    EXPECT_EQ(platform.output.played.at(1), (PlayedSound{Sound::RightAnswer, PlayMode::Sync}));
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

// The help silences the game and holds it until it closes. Whatever gives the game window its
// input back meanwhile, a press on the help button opens no second help window; closing the
// game closes the help.
TEST_F(MainWindowInput, theHelpHoldsTheGameUntilItClosesAndThereIsOnlyEverOne)
{
    for (int press = 0; press < 3; ++press) {
        window.setEnabled(true);
        QTest::mouseClick(child<PictureButton>("helpButton"), Qt::LeftButton);
    }
    int open = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        open += qobject_cast<HelpWindow *>(top) && top->isVisible() ? 1 : 0;
    EXPECT_EQ(open, 1);
    EXPECT_EQ(shownHelp()->windowTitle(), "帮助");
    EXPECT_FALSE(window.isEnabled());
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{Sound::Stop, PlayMode::Async}));
    shownHelp()->close();
    EXPECT_TRUE(window.isEnabled());
    QTest::mouseClick(child<PictureButton>("helpButton"), Qt::LeftButton);
    window.close();
    EXPECT_EQ(shownHelp(), nullptr);
}

// Children double-click; the second press of a double-click presses nothing.
TEST_F(MainWindowInput, aDoubleClickCountsAsOneClickOnTheBoardTheSpinnerAndACaption)
{
    auto heard = [&](int id) {
        return std::count(
            platform.output.played.begin(), platform.output.played.end(),
            PlayedSound{id, id == Sound::RightAnswer ? PlayMode::Sync : PlayMode::Async});
    };
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(250, 470));
    EXPECT_EQ(heard(Sound::narration(1)), 1);
    // Three squares on, the first quiz of the level asks its words in the order shuffled.
    platform.draws.assign(4, 0.0f);
    platform.draws.push_front(2.5f / 6);
    doubleClick(child<QWidget>("spinner"));
    EXPECT_EQ(heard(Sound::Whirl), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return child<QWidget>("tadpoleButton")->isVisible(); }));
    doubleClick(child<QWidget>("wordCaption0"));
    EXPECT_EQ(heard(Sound::RightAnswer), 1);
    EXPECT_TRUE(child<QWidget>("wordCaption0")->isVisible());
}

// Clicks as fast as a child's hands: one more arrives while the game lets waiting input run in
// each frame of every whirl, 200 in all. Each could start a whirl of its own inside the last.
TEST_F(MainWindowInput, aBurstOfClicksOnTheSpinnerWhirlsOnceAndTheKittenWalksOn)
{
    auto *spinner = child<PictureButton>("spinner");
    const QPointF at = QRectF(spinner->rect()).center();
    int depth = 0, deepest = 0, clicks = 0;
    platform.duringPendingEvents = [&] {
        deepest = std::max(deepest, ++depth);
        if (clicks++ < 200) {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    spinner, new QMouseEvent(type, at, spinner->mapToGlobal(at), Qt::LeftButton,
                                             Qt::LeftButton, Qt::NoModifier));
        }
        QCoreApplication::processEvents();
        --depth;
    };
    platform.draws.assign(200, 0.5f);
    QTest::mouseClick(spinner, Qt::LeftButton);
    EXPECT_EQ(deepest, 1);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::count(platform.output.played.begin(), platform.output.played.end(),
                              PlayedSound{Sound::Step, PlayMode::Async}) > 0;
        },
        3000));
}

} // namespace
