// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CentredDialog.h"

// The help window: the game's instructions in five paragraphs. It belongs to the main window
// as a CentredDialog: centred over it, modal to it, closed by Escape.
class HelpWindow : public CentredDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *mainWindow);
};
