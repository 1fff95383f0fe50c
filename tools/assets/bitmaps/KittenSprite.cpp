// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KittenSprite.h"

#include "PaintKit.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using Pose = KittenSprite::Pose;

constexpr int spriteSize = 40;
// Drawn four times larger and scaled down, so the thin stripes and the outline land smoothly.
constexpr int detail = 4;

using Palette::kittenFur;
using Palette::kittenPale;
using Palette::kittenPink;
using Palette::kittenStripe;
const QColor shadedFur{226, 128, 42};

// Leg angles in degrees, clockwise; negative swings the paw forward (to the right).
struct Stride {
    qreal nearFront, farFront, nearBack, farBack;
};

Stride strideOf(Pose pose)
{
    if (pose == Pose::Walking)
        return {-28, 18, 26, -20};
    return {0, 0, 0, 0};
}

void drawLeg(QPainter &p, QPointF hip, qreal angle, const QColor &colour)
{
    p.save();
    p.translate(hip);
    p.rotate(angle);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(-2.1, -2, 4.2, 12.5), 2.1, 2.1);
    p.setBrush(kittenPale);
    p.drawEllipse(QPointF(0, 9.6), 2.3, 1.5);
    p.restore();
}

void drawTail(QPainter &p, Pose pose)
{
    const QPointF tip = pose == Pose::Walking ? QPointF(7.5, 6.5) : QPointF(4, 8);
    QPainterPath tail(QPointF(9, 23));
    tail.cubicTo(QPointF(3, 21), QPointF(1.5, 13), tip);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kittenFur, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(kittenStripe, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(tip);
    p.restore();
}

void drawBody(QPainter &p)
{
    const QRectF body(6, 17.5, 23, 12.5);
    QPainterPath outline;
    outline.addEllipse(body);
    p.setBrush(kittenFur);
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);
    p.setBrush(kittenPale);
    p.drawEllipse(QRectF(9, 25, 17, 8));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kittenStripe, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {11.0, 15.0, 19.0})
        p.drawLine(QPointF(x, 16.5), QPointF(x - 1, 21.5));
    p.restore();
}

void drawEars(QPainter &p)
{
    const QPolygonF left{QPointF(20.2, 11), QPointF(21.2, 2.6), QPointF(27.2, 6.6)};
    const QPolygonF right{QPointF(28.8, 6.6), QPointF(34.8, 2.6), QPointF(35.8, 11)};
    p.setBrush(kittenFur);
    p.drawPolygon(left);
    p.drawPolygon(right);
    p.setBrush(kittenPink);
    p.drawPolygon(QPolygonF{QPointF(22, 9.2), QPointF(22.4, 4.6), QPointF(25.6, 6.9)});
    p.drawPolygon(QPolygonF{QPointF(30.4, 6.9), QPointF(33.6, 4.6), QPointF(34, 9.2)});
}

void drawEye(QPainter &p, QPointF centre)
{
    p.setBrush(Palette::ink);
    p.drawEllipse(centre, 1.55, 2.05);
    p.setBrush(Qt::white);
    p.drawEllipse(centre + QPointF(0.45, -0.7), 0.6, 0.6);
}

void drawFace(QPainter &p)
{
    p.setBrush(kittenFur);
    p.drawEllipse(QPointF(28, 14.8), 9, 8.6);
    p.setBrush(kittenPale);
    p.drawEllipse(QPointF(28, 19.2), 4, 2.8);
    drawEye(p, QPointF(24.6, 14.4));
    drawEye(p, QPointF(31.4, 14.4));
    p.setBrush(kittenPink);
    p.drawEllipse(QPointF(28, 17.6), 1.1, 0.75);
    QColor blush = kittenPink;
    blush.setAlpha(150);
    p.setBrush(blush);
    p.drawEllipse(QPointF(21.8, 18.4), 1.5, 1.0);
    p.drawEllipse(QPointF(34.2, 18.4), 1.5, 1.0);
    p.setPen(QPen(kittenStripe, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 7.4), QPointF(26.3, 9.4));
    p.drawLine(QPointF(28, 7), QPointF(28, 9.2));
    p.drawLine(QPointF(30, 7.4), QPointF(29.7, 9.4));
    p.setPen(QPen(Palette::ink, 0.55, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(26.3, 18, 1.7, 1.6), 180 * 16, 180 * 16);
    p.drawArc(QRectF(28, 18, 1.7, 1.6), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
}

// The kitten on a transparent layer of side x side pixels, without premultiplied alpha.
QImage drawFigure(Pose pose, int side)
{
    const qreal pixelsPerUnit = qreal(side) / spriteSize;
    QImage large = PaintKit::layer(side * detail, side * detail);
    QPainter p(&large);
    PaintKit::smooth(p);
    p.scale(detail * pixelsPerUnit, detail * pixelsPerUnit);
    p.setPen(Qt::NoPen);
    if (pose == Pose::Walking) {
        // A slight forward lean and a lift of the body make the stride read as motion.
        p.translate(20, 38);
        p.rotate(-4);
        p.translate(-20, -39);
    }
    const Stride stride = strideOf(pose);
    drawTail(p, pose);
    drawLeg(p, QPointF(13.2, 27), stride.farBack, shadedFur);
    drawLeg(p, QPointF(25.6, 27), stride.farFront, shadedFur);
    drawBody(p);
    drawLeg(p, QPointF(9.5, 27.5), stride.nearBack, kittenFur);
    drawLeg(p, QPointF(22, 27.5), stride.nearFront, kittenFur);
    drawEars(p);
    drawFace(p);
    p.end();
    const QImage withOutline =
        PaintKit::outlined(large, Palette::ink, 0.9 * detail * pixelsPerUnit);
    return withOutline.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

// A pixel belongs to the kitten when it is at least half covered; the sprite pair has no
// partial pixels, so the edge is decided here once for both frames.
bool covered(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

} // namespace

namespace KittenSprite {

QImage mask(Pose pose, int scale)
{
    const QImage figure = drawFigure(pose, spriteSize * scale);
    QImage result = PaintKit::canvas(spriteSize * scale, spriteSize * scale, Qt::white);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            if (covered(figure.pixel(x, y)))
                result.setPixel(x, y, qRgb(0, 0, 0));
    return result;
}

QImage image(Pose pose, int scale)
{
    const QImage figure = drawFigure(pose, spriteSize * scale);
    QImage result = PaintKit::canvas(spriteSize * scale, spriteSize * scale, Qt::black);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            if (covered(figure.pixel(x, y)))
                result.setPixel(x, y, figure.pixel(x, y) | 0xff000000u);
    return result;
}

QImage figure(Pose pose, int side)
{
    return drawFigure(pose, side);
}

} // namespace KittenSprite
