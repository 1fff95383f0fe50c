// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A window that belongs to the main window, as the help, the parents' gate and the parents'
// corner do: it opens centred over it and stays above it, full screen too, and while it is
// open the main window takes no input (it is modal to it). Escape closes it, as its close
// button does; it deletes itself when closed.
class CentredDialog : public QWidget {
    Q_OBJECT
public:
    explicit CentredDialog(QWidget *mainWindow);

    // Sets the window's text, and that of the windows it opens, in the parents' corner's face.
    void speakToParents();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
