#include "Caption.h"
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

TEST_F(MainWindowInput, theHelpHoldsTheGameUntilItClosesAndClosingTheGameClosesTheHelp)
{
    QTest::mouseClick(child<PictureButton>("helpButton"), Qt::LeftButton);
    HelpWindow *help = shownHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "帮助");
    EXPECT_FALSE(window.isEnabled());
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{Sound::Stop, PlayMode::Async}));
    help->close();
    EXPECT_TRUE(window.isEnabled());

    QTest::mouseClick(child<PictureButton>("helpButton"), Qt::LeftButton);
    ASSERT_NE(shownHelp(), nullptr);
    window.close();
    EXPECT_EQ(shownHelp(), nullptr);
}

} // namespace
