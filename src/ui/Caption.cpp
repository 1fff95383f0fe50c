// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Caption.h"

#include "DesignScale.h"
#include "Fonts.h"

#include <QMouseEvent>

Caption::Caption(QWidget *parent) : QLabel(parent)
{
    setFont(Fonts::caption());
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setRed(false);
}

void Caption::setCaption(const QString &text)
{
    setText(text);
    adjustSize();
}

void Caption::setRed(bool red)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, red ? Qt::red : Qt::black);
    setPalette(palette);
}

void Caption::moveTo(QPoint designPosition)
{
    designPosition_ = designPosition;
    move(DesignScale::scaled(designPosition, scale_));
}

void Caption::setScale(qreal scale)
{
    scale_ = scale;
    setFont(Fonts::caption(scale));
    // An empty caption has nothing to fit; fitting it would read every font on the machine
    // before the first screen is up.
    if (!text().isEmpty())
        adjustSize();
    moveTo(designPosition_);
}

void Caption::mousePressEvent(QMouseEvent *event)
{
    emit hovered();
    emit pressed();
    event->accept();
}

void Caption::mouseMoveEvent(QMouseEvent *)
{
    emit hovered();
}

// The second press of a double-click arrives as a double-click, which Qt would otherwise hand
// on as another press: it is not one.
void Caption::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
