// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "GameScreen.h"
#include "HelpWindow.h"
#include "ParentsCorner.h"
#include "ParentsGate.h"
#include "Platform.h"
#include "SoundOutput.h"
#include "Stderr.h"
#ifdef HK_BENCH
#include "TimedScreen.h"
using Screen = TimedScreen;
#else
using Screen = GameScreen;
#endif

#include "DesignScale.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <utility>

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
    : QWidget(parent), platform_(platform), content_(content),
      recordFile_(platform.recordFolder(), content.words()),
      saved_(recordFile_.load(platform.now())), screen_(new Screen(this)),
      spinTimer_(gameTimer(this, "spinTimer", 1000)), walkTimer_(gameTimer(this, "walkTimer", 200)),
      whirlTimer_(gameTimer(this, "whirlTimer", 100)), settingsSaveTimer_(new QTimer(this)),
      game_(record_, saved_.learning, content, *screen_, *this, platform)
{
    if (!recordFile_.problem().isEmpty())
        sayOnStderr(recordFile_.problem());
    // A record kept from being written has been said already.
    saveFailureSaid_ = !recordFile_.maySave();
    setWindowTitle(QStringLiteral("小猫学汉字"));
    // The grey around the screen when the window is larger, whatever the desktop's theme.
    setPalette(GameScreen::ownPalette());
    setMinimumSize(DesignScale::scaled(GameScreen::DesignSize, 0.5));
    resize(openingSize(screen()->availableSize()));
    if (saved_.settings.fullScreen)
        setWindowState(windowState() | Qt::WindowFullScreen);
    platform.sound().setVolume(saved_.settings.gain());
    wireInput();
    settingsSaveTimer_->setObjectName(QStringLiteral("settingsSaveTimer"));
    settingsSaveTimer_->setSingleShot(true);
    settingsSaveTimer_->setInterval(1000);
    connect(settingsSaveTimer_, &QTimer::timeout, this, &MainWindow::save);
    game_.setSaveLearning([this] { save(); });
    record_.level = saved_.settings.levelToStartAt(saved_.learning);
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
    connect(screen_, &GameScreen::helpHeld, this, &MainWindow::openParentsGate);
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

// The gate, like the help, takes the game's input while it is open; the game plays on behind
// it. The pointer is still on the help button, but the gate covers it.
void MainWindow::openParentsGate()
{
    game_.onButtonHovered(Button::Help, false);
    gate_ = new ParentsGate(this);
    connect(gate_, &ParentsGate::passed, this, &MainWindow::openParentsCorner);
    gate_->show();
    gate_->activateWindow();
}

void MainWindow::openParentsCorner()
{
    corner_ = new ParentsCorner(content_, this);
    corner_->showRecord(saved_, platform_.now().date());
    connect(corner_, &ParentsCorner::settingsChanged, this, &MainWindow::changeSettings);
    connect(corner_, &ParentsCorner::forgetConfirmed, this, &MainWindow::forgetLearning);
    corner_->show();
    corner_->activateWindow();
}

// The volume changes at once, the sound playing included; the other settings take effect
// when the game next starts.
void MainWindow::changeSettings(const ParentSettings &settings)
{
    saved_.settings = settings;
    platform_.sound().setVolume(settings.gain());
    settingsSaveTimer_->start();
}

void MainWindow::forgetLearning()
{
    saved_.forgetLearning();
    save();
    if (corner_)
        corner_->showRecord(saved_, platform_.now().date());
}

void MainWindow::save()
{
    if (recordFile_.save(saved_) || std::exchange(saveFailureSaid_, true))
        return;
    sayOnStderr(QStringLiteral("the learning record cannot be saved in %1; the game plays on "
                               "without saving it")
                    .arg(recordFile_.path()));
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
    for (QWidget *dialog : std::initializer_list<QWidget *>{help_, gate_, corner_}) {
        if (dialog)
            dialog->close();
    }
    if (settingsSaveTimer_->isActive()) {
        settingsSaveTimer_->stop();
        save();
    }
    game_.shutDown();
    event->accept();
}
