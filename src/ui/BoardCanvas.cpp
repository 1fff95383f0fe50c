// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardCanvas.h"

#include "DesignScale.h"
#include "Resources.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cstring>

namespace {

// Copies picture into canvas with its top-left corner at position, clipped to the canvas; both
// are RGB32. Setting up a QPainter costs more than copying a square's icon row by row.
void copyInto(QImage &canvas, QPoint position, const QImage &picture)
{
    const QRect target = QRect(position, picture.size()) & canvas.rect();
    const qsizetype rowBytes = qsizetype(target.width()) * 4;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const uchar *from =
            picture.constScanLine(y - position.y()) + qsizetype(target.left() - position.x()) * 4;
        std::memcpy(canvas.scanLine(y) + qsizetype(target.left()) * 4, from, rowBytes);
    }
}

} // namespace

BoardCanvas::BoardCanvas(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("board"));
    setMouseTracking(true);
    // The canvas covers the whole board, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScale(1);
    clear();
}

void BoardCanvas::paintPicture(QPoint position, BitmapId picture)
{
    paint(picture, position, QPainter::CompositionMode_Source);
}

void BoardCanvas::paintFigure(QPoint position, BitmapId mask, BitmapId image)
{
    paint(mask, position, QPainter::RasterOp_SourceAndDestination);
    paint(image, position, QPainter::RasterOp_SourceXorDestination);
}

void BoardCanvas::clear()
{
    pieces_.clear();
    canvas_ = QImage(DesignScale::scaled(QSize(Size, Size), pictureScale_), QImage::Format_RGB32);
    canvas_.fill(colour());
    update();
}

void BoardCanvas::setScale(qreal scale)
{
    scale_ = scale;
    resize(DesignScale::scaled(QSize(Size, Size), scale));
    update();
}

void BoardCanvas::paint(BitmapId picture, QPoint position, QPainter::CompositionMode mode)
{
    const Piece piece{{position, Resources::bitmap(picture).size()}, picture, mode};
    if (mode == QPainter::CompositionMode_Source) {
        if (showsAlready(piece))
            return;
        // A copied picture hides every piece wholly under it, so those need not be kept.
        std::erase_if(pieces_,
                      [&piece](const Piece &under) { return piece.area.contains(under.area); });
    }
    pieces_.push_back(piece);
    const int pictureScale = wantedPictureScale();
    if (pictureScale != pictureScale_) {
        repaintCanvas(pictureScale);
    } else {
        paintOnCanvas(piece);
    }
    // The widget pixels the piece touches, with a pixel's margin for rounding at odd scales.
    const QRect &touched = piece.area;
    update(QRectF(touched.x() * scale_, touched.y() * scale_, touched.width() * scale_,
                  touched.height() * scale_)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void BoardCanvas::paintOnCanvas(const Piece &piece)
{
    const QPoint position = piece.area.topLeft() * pictureScale_;
    const QImage picture = Resources::bitmap(piece.picture, pictureScale_);
    if (piece.mode == QPainter::CompositionMode_Source)
        return copyInto(canvas_, position, picture);
    QPainter painter(&canvas_);
    painter.setCompositionMode(piece.mode);
    painter.drawImage(position, picture);
}

// The board is repainted whole on every step of a walk, yet only the kitten's squares change:
// a picture copied where the same picture lies, with nothing painted over it since, would
// leave every pixel as it is.
bool BoardCanvas::showsAlready(const Piece &piece) const
{
    const auto top = std::find_if(pieces_.rbegin(), pieces_.rend(), [&piece](const Piece &p) {
        return p.area.intersects(piece.area);
    });
    return top != pieces_.rend() && top->area == piece.area && top->picture == piece.picture &&
           top->mode == piece.mode;
}

int BoardCanvas::wantedPictureScale() const
{
    return Resources::pictureScaleFor(scale_ * devicePixelRatioF());
}

void BoardCanvas::repaintCanvas(int pictureScale)
{
    pictureScale_ = pictureScale;
    canvas_ = QImage(DesignScale::scaled(QSize(Size, Size), pictureScale), QImage::Format_RGB32);
    canvas_.fill(colour());
    for (const Piece &piece : pieces_)
        paintOnCanvas(piece);
}

void BoardCanvas::paintEvent(QPaintEvent *event)
{
    if (const int pictureScale = wantedPictureScale(); pictureScale != pictureScale_)
        repaintCanvas(pictureScale);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // Where the canvas meets the screen's pixels one to one, this copies it as it is.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), canvas_);
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
