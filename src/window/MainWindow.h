#pragma once

#include "Game.h"
#include "GameRecord.h"
#include "GameTimers.h"

#include <QPointer>
#include <QWidget>

class Content;
class GameScreen;
class HelpWindow;
class Platform;
class QTimer;

// The game's main window: it owns the game's record, its timers, the screen and the rules,
// and wires the screen's input and the timers' ticks to the rules. The game starts when the
// window is made; closing it ends the game, help window included.
//
// It opens at the game's design size, or smaller on a screen too small for it, where the
// desktop places it. It can be resized down to half the design size, maximised or shown full
// screen (F11 toggles, Escape leaves): the screen then scales as a whole, as large as fits, in
// the middle of the window's grey.
class MainWindow : public QWidget, private GameTimers {
    Q_OBJECT
public:
    MainWindow(Platform &platform, const Content &content, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The size to open at where the screen's free area is available: the design size, or the
    // largest of its proportions that fits with room for the window's frame.
    static QSize openingSize(QSize available);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void start(GameTimer timer) override;
    void stop(GameTimer timer) override;
    bool isRunning(GameTimer timer) const override;
    QTimer *timer(GameTimer timer) const;
    void wireInput();
    void openHelp();

    GameRecord record_;
    GameScreen *screen_;
    QTimer *spinTimer_;
    QTimer *walkTimer_;
    QTimer *whirlTimer_;
    Game game_;
    QPointer<HelpWindow> help_;
};
