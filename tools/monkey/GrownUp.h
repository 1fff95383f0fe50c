// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <random>

class MainWindow;

// What a grown-up does to the monkey's game: holds the help button down until the parents'
// gate opens, answers its question rightly or wrongly, and presses keys and clicks at random in
// the help, the parents' corner and the question the corner asks before it forgets the record.
class GrownUp {
public:
    explicit GrownUp(std::mt19937 &random) : random_(random) {}

    // The game's window open over the main window (the help, the gate or the corner), if any.
    static QWidget *openDialog();
    // How many such windows are shown.
    static int openDialogs();
    // Whether the window open takes the game's input, itself or through a question it asks.
    static bool holdsInput(QWidget *dialog);

    // Holds the help button down long enough to open the gate, then lets go.
    void holdHelp(MainWindow &window, QPoint helpButton);
    // Does something in the window open over the game, or in the question it asks.
    void actIn(QWidget *dialog);
    // How often the right answer opened the corner.
    int cornersReached() const { return cornersReached_; }

private:
    void answerTheGate(QWidget *gate);
    void pressKey(QWidget *window);
    void clickSomewhere(QWidget *window);

    std::mt19937 &random_;
    int cornersReached_ = 0;
};
