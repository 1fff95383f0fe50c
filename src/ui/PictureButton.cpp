#include "PictureButton.h"

#include "DesignScale.h"
#include "Resources.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void PictureButton::setPicture(int bitmap)
{
    const QSize size = Resources::bitmap(bitmap).size();
    // The hover look sets its picture on every pointer move: the same one needs no repaint.
    if (bitmap == picture_ && size == design_.size())
        return;
    picture_ = bitmap;
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
    if (picture_ == 0)
        return;
    const int pictureScale = Resources::pictureScaleFor(scale_ * devicePixelRatioF());
    QPainter painter(this);
    // Where the picture's pixels meet the screen's one to one, this copies them as they are.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), Resources::bitmap(picture_, pictureScale));
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
