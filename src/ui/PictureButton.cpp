// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureButton.h"

#include "DesignScale.h"
#include "Resources.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget *parent) : QWidget(parent) {}

void PictureButton::setPicture(BitmapId picture)
{
    const QSize size = Resources::bitmap(picture).size();
    // The same picture again needs no repaint.
    if (picture == picture_ && size == design_.size())
        return;
    picture_ = picture;
    design_.setSize(size);
    place();
    update();
}

void PictureButton::setDesignGeometry(const QRect &geometry)
{
    design_ = geometry;
    place();
}

void PictureButton::moveTo(QPoint designPosition)
{
    design_.moveTopLeft(designPosition);
    place();
}

void PictureButton::setScale(qreal scale)
{
    scale_ = scale;
    place();
    update();
}

void PictureButton::place()
{
    setGeometry(DesignScale::scaled(design_, scale_));
}

void PictureButton::paintEvent(QPaintEvent *)
{
    if (picture_ == BitmapId{})
        return;
    const int pictureScale = Resources::pictureScaleFor(scale_ * devicePixelRatioF());
    QPainter painter(this);
    // Where the picture's pixels meet the screen's one to one, this copies them as they are.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), Resources::bitmap(picture_, pictureScale));
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    emit hovered(true);
    pressedInside_ = true;
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressedInside_ && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click)
        emit clicked();
}

// The second press of a double-click arrives as a double-click, which Qt would otherwise hand
// on as another press: it is not one.
void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureButton::enterEvent(QEnterEvent *)
{
    emit hovered(true);
}

void PictureButton::leaveEvent(QEvent *)
{
    emit hovered(false);
}
