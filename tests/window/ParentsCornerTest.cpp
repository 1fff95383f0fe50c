// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParentsCorner.h"
#include "Catalogue.h"
#include "Content.h"
#include "HelpWindow.h"
#include "HoldRing.h"
#include "Journal.h"
#include "MainWindow.h"
#include "ParentsGate.h"
#include "PictureButton.h"
#include "RecordFile.h"
#include "RecordingPlatform.h"
#include "WordCard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const Content &content()
{
    static const Content built = Content::builtIn();
    return built;
}

// The top-level window of type T that is shown, if any.
template <typename T> T *shown()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(top); found && found->isVisible())
            return found;
    }
    return nullptr;
}

// Real main windows on the recording platform, whose record folder starts empty; each window
// starts as the program starts it, with its timers quickened and every held sound over as soon
// as the event loop runs.
class ParentsCornerTest : public ::testing::Test {
protected:
    ParentsCornerTest() { platform.output.endsHeldSoundsSoon = true; }

    std::unique_ptr<MainWindow> openWindow()
    {
        auto window = std::make_unique<MainWindow>(platform, content());
        for (QTimer *timer : window->findChildren<QTimer *>())
            timer->setInterval(1);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
    RecordFile recordFile() const { return RecordFile(platform.recordFolder(), content().words()); }
    SavedRecord savedRecord() const { return recordFile().load(platform.now()); }
    void saveRecord(const SavedRecord &record) { ASSERT_TRUE(recordFile().save(record)); }

    // The help button held down until the gate opens, then let go.
    static ParentsGate *holdHelp(MainWindow &window)
    {
        auto *help = window.findChild<PictureButton *>(QStringLiteral("helpButton"));
        QTest::mousePress(help, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([] { return shown<ParentsGate>() != nullptr; }));
        QTest::mouseRelease(help, Qt::LeftButton);
        return shown<ParentsGate>();
    }
    static void answer(ParentsGate *gate, bool rightly)
    {
        static const QRegularExpression sum(QStringLiteral(R"((\d+) \+ (\d+))"));
        const auto match = sum.match(gate->findChild<QLabel *>(QStringLiteral("question"))->text());
        ASSERT_TRUE(match.hasMatch());
        const int total = match.captured(1).toInt() + match.captured(2).toInt();
        auto *field = gate->findChild<QLineEdit *>(QStringLiteral("answer"));
        QTest::keyClicks(field, QString::number(rightly ? total : total + 1));
        QTest::keyClick(field, Qt::Key_Return);
    }
    ParentsCorner *openCorner(MainWindow &window)
    {
        answer(holdHelp(window), true);
        return shown<ParentsCorner>();
    }
    // From square 1 of level 1: the teaching square 2 with every caption heard, the bee, then
    // the quiz on square 4 asking the same words, each answered rightly; the window closes.
    void teachAndPassTheFirstQuiz(MainWindow &window)
    {
        auto click = [this, &window](const QString &name) {
            auto *widget = window.findChild<QWidget *>(name);
            ASSERT_TRUE(QTest::qWaitFor([&] { return widget->isVisible(); }));
            ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.output.isHolding(); }));
            QTest::mouseClick(widget, Qt::LeftButton);
        };
        platform.scriptResults(6, {0});
        click(QStringLiteral("spinner"));
        for (int slot = 0; slot < 4; ++slot)
            click(QStringLiteral("wordCaption%1").arg(slot));
        click(QStringLiteral("beeButton"));
        platform.scriptResults(6, {1});
        platform.scriptResults(4, {0, 0, 0, 0});
        click(QStringLiteral("spinner"));
        // Each right answer is heard before the next word is asked, or the quiz passes.
        for (int slot = 0; slot < 4; ++slot) {
            click(QStringLiteral("wordCaption%1").arg(slot));
            const SoundId next =
                slot < 3 ? Sound::wordSound(content().groupWord(0, slot + 1)) : Sound::QuizPassed;
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return platform.output.played.back().sound == next; }));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.output.isHolding(); }));
        window.close();
    }
    // The report of the real program on the platform's record folder, line by line.
    QStringList report() const
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        program.setProcessEnvironment(environment);
        program.start(
            QStringLiteral(HK_PROGRAM),
            {QStringLiteral("--report"), QStringLiteral("--data-dir"), platform.recordFolder()});
        EXPECT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0);
        // Windows ends its lines with a carriage return too.
        return QString::fromUtf8(program.readAllStandardOutput()).remove(u'\r').split(u'\n');
    }
    // The report's line on a word: its characters, pinyin, state, days met and answers.
    static QStringList wordLine(const QStringList &report, int word)
    {
        for (const QString &line : report) {
            if (line.startsWith(content().word(word) + u'\t'))
                return line.split(u'\t');
        }
        return {};
    }

    Journal journal;
    RecordingPlatform platform{journal};
};

// A click on the help button opens the help as ever, with no ring; held for three seconds it
// fills a ring and opens the question instead of the help. A wrong answer asks again; the
// right one opens the corner, which holds the game's input until Escape closes it.
TEST_F(ParentsCornerTest, onlyAHoldAndTheRightAnswerOpenTheCorner)
{
    const auto window = openWindow();
    auto *help = window->findChild<PictureButton *>(QStringLiteral("helpButton"));
    auto *ring = window->findChild<HoldRing *>();
    QTest::mouseClick(help, Qt::LeftButton);
    ASSERT_NE(shown<HelpWindow>(), nullptr);
    EXPECT_FALSE(ring->isVisible());
    EXPECT_EQ(shown<ParentsGate>(), nullptr);
    shown<HelpWindow>()->close();

    // The ring shows only after the ticks a child's click lasts at most.
    int ticks = 0, shownAt = 0;
    QObject::connect(window->findChild<QTimer *>(QStringLiteral("helpHoldTimer")), &QTimer::timeout,
                     ring, [&] {
                         ++ticks;
                         if (shownAt == 0 && ring->isVisible())
                             shownAt = ticks;
                     });
    QTest::mousePress(help, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ring->isVisible(); }));
    EXPECT_EQ(shownAt, HoldRing::TicksHidden);
    EXPECT_EQ(shown<ParentsGate>(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([] { return shown<ParentsGate>() != nullptr; }));
    QTest::mouseRelease(help, Qt::LeftButton);
    ParentsGate *gate = shown<ParentsGate>();
    EXPECT_EQ(shown<HelpWindow>(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), gate);

    answer(gate, false);
    EXPECT_EQ(shown<ParentsGate>(), gate);
    EXPECT_EQ(shown<ParentsCorner>(), nullptr);
    answer(gate, true);
    ParentsCorner *corner = shown<ParentsCorner>();
    ASSERT_NE(corner, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return shown<ParentsGate>() == nullptr; }));
    EXPECT_EQ(QApplication::activeModalWidget(), corner);
    QTest::keyClick(corner, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return shown<ParentsCorner>() == nullptr; }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Whatever the record holds, the default settings start the game as it always started: level
// 1, full volume, in a window. The family's settings start it at the highest level reached,
// at their volume, full screen.
TEST_F(ParentsCornerTest, defaultsStartAsEverAndSettingsChooseTheStart)
{
    SavedRecord record;
    record.learning.notePlay(QDate(2026, 5, 1), 600, 3);
    record.learning.noteAnswer(0, QDate(2026, 5, 1), true);
    saveRecord(record);
    {
        const auto window = openWindow();
        EXPECT_EQ(platform.output.played.front(), (PlayedSound{Sound::narration(1), false}));
        EXPECT_EQ(platform.output.volume, 1.0);
        EXPECT_FALSE(window->isFullScreen());
    }
    record.settings = {StartLevel::HighestReached, 30, false, true};
    saveRecord(record);
    platform.output.played.clear();
    const auto window = openWindow();
    EXPECT_EQ(platform.output.played.front(), (PlayedSound{Sound::narration(3), false}));
    EXPECT_DOUBLE_EQ(platform.output.volume, 0.3);
    EXPECT_TRUE(window->isFullScreen());
}

// The cards show each word's state; every page and control is reached from the keyboard; the
// volume changes at once and is saved; forgetting asks first and keeps the settings.
TEST_F(ParentsCornerTest, showsTheRecordAndChangesTheSettingsFromTheKeyboard)
{
    SavedRecord record;
    record.learning.noteTaught(1, QDate(2026, 5, 1));
    record.learning.noteAnswer(0, QDate(2026, 5, 1), true);
    record.learning.noteAnswer(0, QDate(2026, 5, 3), true);
    saveRecord(record);
    const auto window = openWindow();
    ParentsCorner *corner = openCorner(*window);
    ASSERT_NE(corner, nullptr);
    auto card = [corner](int word) {
        return corner->findChild<WordCard *>(QStringLiteral("wordCard%1").arg(word));
    };
    EXPECT_EQ(card(0)->state(), WordState::Known);
    EXPECT_EQ(card(1)->state(), WordState::Met);
    EXPECT_EQ(card(2)->state(), WordState::NotYet);
    EXPECT_NE(card(0)->palette().color(QPalette::Window),
              card(1)->palette().color(QPalette::Window));

    ASSERT_TRUE(QTest::qWaitForWindowActive(corner));
    auto *pages = corner->findChild<QTabWidget *>(QStringLiteral("pages"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(pages->currentIndex(), 2);
    auto *volume = corner->findChild<QSlider *>(QStringLiteral("volume"));
    for (int tab = 0; tab < 20 && QApplication::focusWidget() != volume; ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), volume);
    QTest::keyClick(volume, Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(platform.output.volume, 0.9);
    EXPECT_TRUE(QTest::qWaitFor([&] { return savedRecord().settings.volume == 90; }));

    auto askToForget = [corner]() -> QMessageBox * {
        corner->findChild<QPushButton *>(QStringLiteral("forgetRecord"))->click();
        for (QMessageBox *question : corner->findChildren<QMessageBox *>()) {
            if (question->isVisible())
                return question;
        }
        return nullptr;
    };
    QMessageBox *question = askToForget();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(savedRecord().learning, record.learning);
    QTest::keyClick(question, Qt::Key_Escape);
    EXPECT_FALSE(question->isVisible());
    EXPECT_EQ(savedRecord().learning, record.learning);
    question = askToForget();
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton *>(QStringLiteral("forget"))->click();
    EXPECT_TRUE(savedRecord().learning.isEmpty());
    EXPECT_EQ(savedRecord().settings.volume, 90);
    EXPECT_EQ(card(0)->state(), WordState::NotYet);
}

// A seeded game that teaches the first group and passes its quiz leaves its four words met,
// as the real program's report says; the same game on the next day makes them known.
TEST_F(ParentsCornerTest, aGameReportsItsWordsMetAndTheSameGameNextDayKnown)
{
    platform.clock = QDateTime(QDate(2026, 5, 4), QTime(18, 0));
    teachAndPassTheFirstQuiz(*openWindow());
    QStringList lines = report();
    for (int word = 0; word < 4; ++word)
        EXPECT_EQ(wordLine(lines, word), QStringList({content().word(word), content().pinyin(word),
                                                      "met", "1", "right 1, wrong 0"}));
    EXPECT_EQ(wordLine(lines, 4).value(2), "not yet");

    platform.clock = platform.clock.addDays(1);
    teachAndPassTheFirstQuiz(*openWindow());
    lines = report();
    for (int word = 0; word < 4; ++word)
        EXPECT_EQ(wordLine(lines, word),
                  QStringList({content().word(word), content().pinyin(word),
                               "known since 2026-05-05", "2", "right 2, wrong 0"}));
    EXPECT_TRUE(lines.contains("2026-05-05\t0\t4\t1")) << lines.join(u'\n').toStdString();
}

} // namespace
