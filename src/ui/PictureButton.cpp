#include "PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void PictureButton::setPicture(const QImage &picture)
{
    picture_ = picture;
    resize(picture.size());
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
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

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    emit hovered(at.x() >= 0 && at.x() <= width() && at.y() >= 0 && at.y() <= height());
}

// The second press of a double-click arrives as a double-click, which Qt would otherwise hand
// on as another press: it is not one.
void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
