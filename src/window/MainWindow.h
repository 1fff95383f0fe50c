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

// The game's main window: it owns the game's record, its two timers, the screen and the
// rules, and wires the screen's input and the timers' ticks to the rules. The game starts
// when the window is made; closing it ends the game, help window included.
//
// It opens at the game's design size and can be resized, maximised or shown full screen (F11
// toggles, Escape leaves): the screen then grows as a whole, as large as fits, in the middle
// of the window's grey.
class MainWindow : public QWidget, private GameTimers {
    Q_OBJECT
public:
    MainWindow(Platform &platform, const Content &content, QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void start(GameTimer timer) override;
    void stop(GameTimer timer) override;
    QTimer *timer(GameTimer timer) const;
    void wireInput();
    void openHelp();

    GameRecord record_;
    GameScreen *screen_;
    QTimer *spinTimer_;
    QTimer *walkTimer_;
    Game game_;
    QPointer<HelpWindow> help_;
};
