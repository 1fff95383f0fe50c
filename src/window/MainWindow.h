// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"
#include "GameRecord.h"
#include "GameTimers.h"
#include "RecordFile.h"
#include "SavedRecord.h"

#include <QPointer>
#include <QWidget>

class Content;
class GameScreen;
class HelpWindow;
class ParentsCorner;
class ParentsGate;
class Platform;
class QTimer;

// The game's main window: it owns the game's record, the learning record and its file, its
// timers, the screen and the rules, and wires the screen's input and the timers' ticks to the
// rules. The game starts when the window is made, at the level and volume the family's settings
// say; closing it ends the game, help window and parents' corner included, and saves the
// record. The help button held down opens the parents' gate, and its right answer the corner.
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
    void openParentsGate();
    void openParentsCorner();
    void changeSettings(const ParentSettings &settings);
    void forgetLearning();
    void save();

    Platform &platform_;
    const Content &content_;
    GameRecord record_;
    RecordFile recordFile_;
    SavedRecord saved_;
    // A record that cannot be saved is said once.
    bool saveFailureSaid_ = false;
    GameScreen *screen_;
    QTimer *spinTimer_;
    QTimer *walkTimer_;
    QTimer *whirlTimer_;
    // Saves the settings a moment after their last change, so that a volume slider dragged
    // across its range writes the record once.
    QTimer *settingsSaveTimer_;
    Game game_;
    QPointer<HelpWindow> help_;
    QPointer<ParentsGate> gate_;
    QPointer<ParentsCorner> corner_;
};
