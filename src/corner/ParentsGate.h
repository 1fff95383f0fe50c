// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CentredDialog.h"

class QLabel;
class QLineEdit;

// The question that stands between the held help button and the parents' corner: a sum of two
// two-digit numbers, which a grown-up answers at once and a four-year-old does not. A wrong
// answer brings another question. Enter answers; Escape or Cancel closes. It belongs to the
// main window as a CentredDialog.
class ParentsGate : public CentredDialog {
    Q_OBJECT
public:
    explicit ParentsGate(QWidget *mainWindow);

signals:
    // The right answer was given; the gate closes.
    void passed();

private:
    void ask();
    void answer();

    QLabel *question_;
    QLabel *verdict_;
    QLineEdit *answer_;
    int sum_ = 0;
};
