// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CentredDialog.h"

#include "Fonts.h"

#include <QKeyEvent>

CentredDialog::CentredDialog(QWidget *mainWindow) : QWidget(mainWindow, Qt::Dialog)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
}

void CentredDialog::speakToParents()
{
    setFont(Fonts::parentText());
    setAttribute(Qt::WA_WindowPropagation);
}

// Centred over the main window, wherever that is now.
void CentredDialog::showEvent(QShowEvent *)
{
    move(parentWidget()->geometry().center() - rect().center());
}

void CentredDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
