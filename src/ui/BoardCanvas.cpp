#include "BoardCanvas.h"

#include <QMouseEvent>
#include <QPainter>

BoardCanvas::BoardCanvas(QWidget *parent)
    : QWidget(parent), canvas_(Size, Size, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("board"));
    setFixedSize(Size, Size);
    setMouseTracking(true);
    clear();
}

void BoardCanvas::paintPicture(QPoint position, const QImage &picture)
{
    paint(position, picture, QPainter::CompositionMode_Source);
}

void BoardCanvas::paintFigure(QPoint position, const QImage &mask, const QImage &image)
{
    paint(position, mask, QPainter::RasterOp_SourceAndDestination);
    paint(position, image, QPainter::RasterOp_SourceXorDestination);
}

void BoardCanvas::clear()
{
    canvas_.fill(colour());
    update();
}

void BoardCanvas::paint(QPoint position, const QImage &picture, QPainter::CompositionMode mode)
{
    QPainter painter(&canvas_);
    painter.setCompositionMode(mode);
    painter.drawImage(position, picture.convertToFormat(QImage::Format_RGB32));
    update();
}

void BoardCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void BoardCanvas::mousePressEvent(QMouseEvent *event)
{
    emit pressed();
    event->accept();
}

void BoardCanvas::mouseMoveEvent(QMouseEvent *)
{
    emit hovered();
}

// The second press of a double-click arrives as a double-click, which Qt would otherwise hand
// on as another press: it is not one.
void BoardCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
