#include "BoardView.h"

#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(QWidget *parent)
    : QWidget(parent), canvas_(Size, Size, QImage::Format_RGB32)
{
    setFixedSize(Size, Size);
    setMouseTracking(true);
    clear();
}

void BoardView::drawPicture(int x, int y, const QImage &picture, RasterOp op)
{
    QPainter painter(&canvas_);
    switch (op) {
    case RasterOp::Copy:
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    case RasterOp::And:
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case RasterOp::Xor:
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    }
    painter.drawImage(x, y, picture.convertToFormat(QImage::Format_RGB32));
    update();
}

void BoardView::clear()
{
    canvas_.fill(backgroundColour());
    update();
}

void BoardView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    emit pressed();
    event->accept();
}

void BoardView::mouseMoveEvent(QMouseEvent *)
{
    emit moved();
}
