#include "MainWindow.h"

#include "GameScreen.h"
#include "HelpWindow.h"
#ifdef HK_BENCH
#include "TimedScreen.h"
using Screen = TimedScreen;
#else
using Screen = GameScreen;
#endif

#include "DesignScale.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// What a window's frame and title bar may take of the screen around the window itself.
constexpr QSize FrameAllowance(16, 48);

QTimer *gameTimer(QObject *parent, const char *name, int milliseconds)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(milliseconds);
    // A precise timer keeps the kitten's walk in an even rhythm.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

} // namespace

MainWindow::MainWindow(Platform &platform, const Content &content, QWidget *parent)
    : QWidget(parent), screen_(new Screen(this)), spinTimer_(gameTimer(this, "spinTimer", 1000)),
      walkTimer_(gameTimer(this, "walkTimer", 200)),
      whirlTimer_(gameTimer(this, "whirlTimer", 100)),
      game_(record_, content, *screen_, *this, platform)
{
    setWindowTitle(QStringLiteral("小猫学汉字"));
    // The grey around the screen when the window is larger, whatever the desktop's theme.
    setPalette(GameScreen::ownPalette());
    setMinimumSize(DesignScale::scaled(GameScreen::DesignSize, 0.5));
    resize(openingSize(screen()->availableSize()));
    wireInput();
    game_.start();
}

QSize MainWindow::openingSize(QSize available)
{
    const QSize design = GameScreen::DesignSize;
    const QSize room = available - FrameAllowance;
    const qreal fits =
        std::min(qreal(room.width()) / design.width(), qreal(room.height()) / design.height());
    return DesignScale::scaled(design, std::clamp(fits, 0.5, 1.0));
}

MainWindow::~MainWindow() = default;

void MainWindow::wireInput()
{
    connect(spinTimer_, &QTimer::timeout, this, [this] { game_.onTick(GameTimer::SpinDelay); });
    connect(walkTimer_, &QTimer::timeout, this, [this] { game_.onTick(GameTimer::WalkTick); });
    connect(whirlTimer_, &QTimer::timeout, this, [this] { game_.onTick(GameTimer::WhirlFrame); });
    connect(screen_, &GameScreen::spinnerClicked, this, [this] { game_.onSpinnerClicked(); });
    connect(screen_, &GameScreen::boardPressed, this, [this] { game_.onBoardPressed(); });
    connect(screen_, &GameScreen::boardHovered, this, [this] { game_.onBoardHovered(); });
    connect(screen_, &GameScreen::captionPressed, this,
            [this](int slot) { game_.onCaptionPressed(slot); });
    connect(screen_, &GameScreen::captionHovered, this,
            [this](int slot) { game_.onCaptionHovered(slot); });
    connect(screen_, &GameScreen::buttonClicked, this,
            [this](Button button) { game_.onButtonClicked(button); });
    connect(screen_, &GameScreen::buttonHovered, this,
            [this](Button button, bool inside) { game_.onButtonHovered(button, inside); });
    connect(screen_, &GameScreen::helpWanted, this, &MainWindow::openHelp);
}

void MainWindow::start(GameTimer which)
{
    timer(which)->start();
}

void MainWindow::stop(GameTimer which)
{
    timer(which)->stop();
}

bool MainWindow::isRunning(GameTimer which) const
{
    return timer(which)->isActive();
}

QTimer *MainWindow::timer(GameTimer which) const
{
    switch (which) {
    case GameTimer::SpinDelay:
        return spinTimer_;
    case GameTimer::WalkTick:
        return walkTimer_;
    case GameTimer::WhirlFrame:
        break;
    }
    return whirlTimer_;
}

// The help window takes the game's input while it is open (it is modal to this window); the
// timers run on. There is only ever one help window.
void MainWindow::openHelp()
{
    // A help window closed a moment ago may still wait for its deletion.
    if (!help_ || help_->isHidden())
        help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    const QSize design = GameScreen::DesignSize;
    const qreal scale =
        std::min(qreal(width()) / design.width(), qreal(height()) / design.height());
    screen_->setScale(scale);
    screen_->move((width() - screen_->width()) / 2, (height() - screen_->height()) / 2);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11)
        setWindowState(windowState() ^ Qt::WindowFullScreen);
    else if (event->key() == Qt::Key_Escape && isFullScreen())
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    else
        QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (help_)
        help_->close();
    game_.shutDown();
    event->accept();
}
