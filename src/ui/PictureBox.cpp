#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void PictureBox::setPicture(const QImage &image)
{
    picture_ = image;
    resize(image.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    pressedInside_ = true;
    emit pressed();
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressedInside_ && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click)
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position());
}
