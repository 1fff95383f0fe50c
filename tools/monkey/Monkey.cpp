// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// hk-monkey: plays whole games through the real main window, headless, the way a four-year-old
// would: random presses, double-clicks, moves and drags over the whole window and the help
// window, with the timers running fast and every sound ending as soon as the event loop runs;
// now and then a grown-up holds the help button and goes through the parents' gate into the
// corner, pressing keys and clicking there. After every event it checks what must always hold,
// and every so often that a simple player still gets the game to its next spin.
//
//   hk-monkey [--seed N] [--events N]
//
// It prints what it found and exits non-zero if anything did not hold.

#include "Catalogue.h"
#include "Content.h"
#include "Fonts.h"
#include "GrownUp.h"
#include "MainWindow.h"
#include "Platform.h"
#include "Resources.h"
#include "SoundNumbers.h"
#include "SoundOutput.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <utility>

namespace {

constexpr QSize WindowSize(625, 521);
constexpr int EventsBetweenProgressChecks = 60;
constexpr int SimplePlayerEvents = 120;

// Sound output that plays nothing and ends every sound the next time the event loop runs. It
// counts the sounds that start while the game waits for the end of another.
class WatchingOutput : public SoundOutput {
public:
    void play(const QByteArray &wave, std::function<void()> ended) override
    {
        noteStart();
        const SoundId sound{soundNumberOf(wave)};
        heard.push_back(sound);
        const int firstWord = Sound::wordSound(0).number;
        if (sound.number >= firstWord && sound.number < firstWord + 32)
            lastWord = sound.number - firstWord;
        endHeard = endHeard || sound == Sound::EndNarration;
        if (!ended)
            return;
        const int held = ++held_;
        QTimer::singleShot(0, [this, held, ended = std::move(ended)] {
            if (held == held_)
                held_ = 0;
            ended();
        });
    }
    void playFile(const QString &) override
    {
        noteStart();
        heard.push_back({});
    }
    void stop() override { held_ = 0; }
    void setVolume(double) override {}
    // A game that ends cuts its last sound off.
    void forgetGame()
    {
        held_ = 0;
        lastWord = -1;
        endHeard = false;
    }
    bool isHolding() const { return held_ != 0; }

    // The built-in sounds started; number -1 for a file.
    std::vector<SoundId> heard;
    int lastWord = -1;
    // The end narration has been heard: the game is over.
    bool endHeard = false;
    int startedWhileHeld = 0;

private:
    void noteStart()
    {
        if (held_ != 0)
            ++startedWhileHeld;
    }

    // Counts the held sounds, so that an end is known for the one still awaited; 0 when none.
    int held_ = 0;
};

// Seeded draws, sounds that end at once, the real clock and a record folder of its own.
class MonkeyPlatform : public Platform {
public:
    explicit MonkeyPlatform(unsigned seed) : generator(seed) {}

    SoundOutput &sound() override { return output; }
    float randomUniform() override
    {
        return std::uniform_real_distribution<float>(0, 1)(generator);
    }
    QString programFolder() const override { return QStringLiteral("/nonexistent/hanzi-kitten"); }
    QString dataFolder() const override
    {
        return QStringLiteral("/nonexistent/share/hanzi-kitten");
    }
    QString recordFolder() const override { return records.path(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }

    WatchingOutput output;
    std::mt19937 generator;
    QTemporaryDir records;
};

QImage rgb32(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// What a ring cell of the board may show: an icon, or the kitten in either pose over one.
class CellLooks {
public:
    CellLooks()
    {
        for (SquareKind kind :
             {SquareKind::Poem, SquareKind::Teaching, SquareKind::Quiz, SquareKind::Chance}) {
            const QImage icon = rgb32(Resources::bitmap(Bitmap::squareIcon(kind)));
            icons_.push_back(icon);
            kittens_.push_back(
                kittenOver(icon, Bitmap::StandingKittenMask, Bitmap::StandingKittenImage));
            kittens_.push_back(
                kittenOver(icon, Bitmap::WalkingKittenMask, Bitmap::WalkingKittenImage));
        }
    }
    bool isIcon(const QImage &cell) const { return std::ranges::count(icons_, cell) > 0; }
    bool isKitten(const QImage &cell) const { return std::ranges::count(kittens_, cell) > 0; }

private:
    static QImage kittenOver(const QImage &icon, BitmapId mask, BitmapId image)
    {
        QImage result = icon;
        QPainter painter(&result);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(0, 0, rgb32(Resources::bitmap(mask)));
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(0, 0, rgb32(Resources::bitmap(image)));
        return result;
    }

    std::vector<QImage> icons_;
    std::vector<QImage> kittens_;
};

class Monkey {
public:
    Monkey(unsigned seed, const Content &content)
        : content_(content), platform_(seed), random_(seed * 2654435761u + 1)
    {
    }

    int run(long events);

private:
    void newGame();
    bool gameOver() const;
    void randomEvent();
    void burstOfClicks(QPoint at, int clicks);
    void postClicks(QPoint at, int clicks);
    QPoint randomPoint();
    QPoint centreOf(const char *name) const;
    void letTimeRun(int milliseconds);
    void check();
    void checkBoard();
    bool simplePlayerReachesASpin();
    bool simpleMove();
    int countWhirls() const;
    QString describe() const;
    void finding(const QString &what);

    const Content &content_;
    MonkeyPlatform platform_;
    std::mt19937 random_;
    GrownUp grownUp_{random_};
    CellLooks looks_;
    std::unique_ptr<MainWindow> window_;
    long event_ = 0;
    long checks_ = 0;
    int games_ = 0;
    int findings_ = 0;
    int longestWayToASpin_ = 0;
};

void Monkey::newGame()
{
    if (window_)
        window_->close();
    window_.reset();
    platform_.output.forgetGame();
    window_ = std::make_unique<MainWindow>(platform_, content_);
    for (QTimer *timer : window_->findChildren<QTimer *>())
        timer->setInterval(1);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        finding(QStringLiteral("the window was never shown"));
    ++games_;
}

bool Monkey::gameOver() const
{
    return platform_.output.endHeard;
}

// Most events land anywhere on the window; some go for what a child aims at.
QPoint Monkey::randomPoint()
{
    static const char *const targets[] = {"spinner",       "helpButton",   "beeButton",
                                          "tadpoleButton", "wordCaption0", "wordCaption1",
                                          "wordCaption2",  "wordCaption3", "wordCaption5"};
    if (random_() % 5 < 2)
        return centreOf(targets[random_() % std::size(targets)]);
    return {static_cast<int>(random_() % WindowSize.width()),
            static_cast<int>(random_() % WindowSize.height())};
}

QPoint Monkey::centreOf(const char *name) const
{
    const QWidget *widget = window_ ? window_->findChild<QWidget *>(QLatin1String(name)) : nullptr;
    return widget ? widget->mapTo(window_.get(), widget->rect().center()) : QPoint(300, 300);
}

void Monkey::randomEvent()
{
    if (QWidget *dialog = GrownUp::openDialog(); dialog && random_() % 3 == 0) {
        grownUp_.actIn(dialog);
        return;
    }
    if (random_() % 60 == 0) {
        grownUp_.holdHelp(*window_, centreOf("helpButton"));
        return;
    }
    QWindow *window = window_->windowHandle();
    const QPoint at = randomPoint();
    const Qt::MouseButton button = random_() % 8 == 0 ? Qt::RightButton : Qt::LeftButton;
    switch (random_() % 11) {
    case 0:
    case 1:
    case 2:
        QTest::mouseMove(window, at);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        QTest::mouseClick(window, button, {}, at);
        break;
    case 7:
        QTest::mouseDClick(window, button, {}, at);
        break;
    case 8: {
        const QPoint to = randomPoint();
        QTest::mousePress(window, button, {}, at);
        QTest::mouseMove(window, (at + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, button, {}, to);
        break;
    }
    case 9:
        burstOfClicks(at, 2 + static_cast<int>(random_() % 40));
        break;
    default:
        letTimeRun(20);
        break;
    }
}

// Clicks that pile up while the game is busy and are all handled at its next event run.
void Monkey::burstOfClicks(QPoint at, int clicks)
{
    postClicks(at, clicks);
    QCoreApplication::processEvents();
}

// Posted to the window, they reach whatever is under the pointer when they are handled, as a
// child's clicks do.
void Monkey::postClicks(QPoint at, int clicks)
{
    QWindow *window = window_ ? window_->windowHandle() : nullptr;
    if (!window)
        return;
    const QPointF local(at);
    for (int click = 0; click < clicks; ++click) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QCoreApplication::postEvent(window,
                                        new QMouseEvent(type, local, window->mapToGlobal(local),
                                                        Qt::LeftButton, held, Qt::NoModifier));
        }
    }
}

void Monkey::letTimeRun(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    while (clock.elapsed() < milliseconds);
}

void Monkey::finding(const QString &what)
{
    if (++findings_ <= 20)
        std::printf("event %ld (game %d): %s\n", event_, games_, qPrintable(what));
}

void Monkey::check()
{
    ++checks_;
    checkBoard();
    if (platform_.output.startedWhileHeld > 0) {
        finding(QStringLiteral("a sound started while the game waited for another's end; %1")
                    .arg(describe()));
        platform_.output.startedWhileHeld = 0;
    }
    // One of the help, the gate and the corner at most is open, and it takes the game's input
    // while it is; without one the game takes input.
    const int dialogs = GrownUp::openDialogs();
    QWidget *dialog = GrownUp::openDialog();
    if (dialogs > 1)
        finding(QStringLiteral("%1 windows are open over the game").arg(dialogs));
    if (dialog && !GrownUp::holdsInput(dialog))
        finding(QStringLiteral("%1 is open but the game takes input")
                    .arg(QLatin1String(dialog->metaObject()->className())));
    if (!dialog && (!window_->isEnabled() || QApplication::activeModalWidget()))
        finding(QStringLiteral("the game takes no input with no window open over it"));
    // The corner may have chosen full screen for the games after it.
    if (window_->size() != WindowSize && !window_->isFullScreen())
        finding(
            QStringLiteral("the window is %1 x %2").arg(window_->width()).arg(window_->height()));
}

// Whenever the ring of squares shows, every square shows its icon and exactly one shows the
// kitten. The board is drawn without the widgets that stand on it.
void Monkey::checkBoard()
{
    QWidget *board = window_->findChild<QWidget *>(QStringLiteral("board"));
    QImage picture(board->size(), QImage::Format_RGB32);
    board->render(&picture, {}, {}, QWidget::DrawWindowBackground);
    int icons = 0, kittens = 0;
    for (int square = 1; square <= Content::LastSquare; ++square) {
        const Cell cell = content_.cellOf(square);
        const QImage look = picture.copy(40 * cell.column + 20, 40 * cell.row + 20, 40, 40);
        icons += looks_.isIcon(look) ? 1 : 0;
        kittens += looks_.isKitten(look) ? 1 : 0;
    }
    if (icons + kittens == 0)
        return;
    if (kittens != 1 || icons + kittens != Content::LastSquare)
        finding(QStringLiteral("the board shows %1 icons and %2 kittens").arg(icons).arg(kittens));
}

// What shows and what was heard last, for a finding.
QString Monkey::describe() const
{
    QStringList shown;
    for (const QWidget *widget : window_->findChildren<QWidget *>()) {
        if (widget->isVisible() && !widget->objectName().isEmpty())
            shown << widget->objectName();
    }
    for (const QTimer *timer : window_->findChildren<QTimer *>()) {
        if (timer->isActive())
            shown << timer->objectName();
    }
    QStringList heard;
    const auto &played = platform_.output.heard;
    for (auto id = played.size() > 8 ? played.end() - 8 : played.begin(); id != played.end(); ++id)
        heard << QString::number(id->number);
    return QStringLiteral("showing %1; heard %2%3")
        .arg(shown.join(' '), heard.join(' '),
             platform_.output.isHolding() ? QStringLiteral(", the last held") : QString());
}

int Monkey::countWhirls() const
{
    return static_cast<int>(std::ranges::count(platform_.output.heard, Sound::Whirl));
}

// What a child who knows the words does: closes what is open over the game (a grown-up's
// help, gate or corner), leaves teaching with the bee,
// presses the word asked, and otherwise spins.
bool Monkey::simpleMove()
{
    letTimeRun(30);
    if (QWidget *dialog = GrownUp::openDialog()) {
        dialog->close();
        return true;
    }
    QWindow *window = window_->windowHandle();
    auto shown = [&](const char *name) {
        const QWidget *widget = window_->findChild<QWidget *>(QLatin1String(name));
        return widget && widget->isVisible();
    };
    if (shown("beeButton")) {
        QTest::mouseClick(window, Qt::LeftButton, {}, centreOf("beeButton"));
        return true;
    }
    if (shown("tadpoleButton") && platform_.output.lastWord >= 0) {
        const QString asked = content_.word(platform_.output.lastWord);
        for (const QLabel *caption : window_->findChildren<QLabel *>()) {
            if (caption->isVisible() && caption->objectName().startsWith("wordCaption") &&
                caption->text() == asked) {
                QTest::mouseClick(window, Qt::LeftButton, {},
                                  caption->mapTo(window_.get(), caption->rect().center()));
                return true;
            }
        }
    }
    QTest::mouseMove(window, centreOf("spinner"));
    QTest::mouseClick(window, Qt::LeftButton, {}, centreOf("spinner"));
    return true;
}

bool Monkey::simplePlayerReachesASpin()
{
    const int whirls = countWhirls();
    for (int move = 1; move <= SimplePlayerEvents; ++move) {
        simpleMove();
        ++event_;
        check();
        if (countWhirls() > whirls || gameOver()) {
            longestWayToASpin_ = std::max(longestWayToASpin_, move);
            return true;
        }
    }
    return false;
}

int Monkey::run(long events)
{
    newGame();
    while (event_ < events) {
        randomEvent();
        ++event_;
        letTimeRun(1);
        check();
        if (event_ % EventsBetweenProgressChecks == 0 && !simplePlayerReachesASpin())
            finding(QStringLiteral("a simple player got no spin in %1 moves; %2")
                        .arg(SimplePlayerEvents)
                        .arg(describe()));
        if (gameOver())
            newGame();
        auto &played = platform_.output.heard;
        if (played.size() > 10000)
            played.erase(played.begin(), played.end() - 100);
    }
    window_->close();
    std::printf("%ld events, %d games begun, %ld checks, longest way to a spin %d moves, "
                "%d visits to the parents' corner, %d findings\n",
                event_, games_, checks_, longestWayToASpin_, grownUp_.cornersReached(), findings_);
    return findings_ == 0 ? 0 : 1;
}

} // namespace

QtMessageHandler standardMessages = nullptr;

// The offscreen platform says, every time, that it cannot raise or grab; nothing else is muted.
void quietAboutThePlatform(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        standardMessages(type, context, text);
}

int main(int argc, char *argv[])
{
    standardMessages = qInstallMessageHandler(quietAboutThePlatform);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The random seed."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption events(QStringLiteral("events"),
                                    QStringLiteral("How many events to send."), QStringLiteral("N"),
                                    QStringLiteral("20000"));
    parser.addOptions({seed, events});
    parser.process(app);
    Fonts::install();
    const Content content = Content::builtIn();
    Monkey monkey(parser.value(seed).toUInt(), content);
    return monkey.run(parser.value(events).toLong());
}
