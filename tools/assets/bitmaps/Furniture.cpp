// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Furniture.h"

#include "WordPictureKit.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

using WordArt::drawRoundedBox;

// A rectangle of box given in fractions of its width and height.
QRectF part(const QRectF &box, qreal left, qreal top, qreal width, qreal height)
{
    return QRectF(box.left() + left * box.width(), box.top() + top * box.height(),
                  width * box.width(), height * box.height());
}

// A cushion: a rounded box lit from above, so it looks soft and full.
void drawCushion(QPainter &p, const QRectF &area, QColor fabric)
{
    QLinearGradient light(area.topLeft(), area.bottomLeft());
    light.setColorAt(0, fabric.lighter(118));
    light.setColorAt(1, fabric);
    QPainterPath shape;
    shape.addRoundedRect(area, area.height() * 0.3, area.height() * 0.3);
    WordArt::fillOutlined(p, shape, light, WordArt::outlineFor(fabric), 1.0);
}

// A throw pillow leaning against the back, a little turned.
void drawThrowPillow(QPainter &p, QPointF centre, qreal size, qreal angle, QColor colour)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    drawCushion(p, QRectF(-size / 2, -size / 2, size, size), colour);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(112));
    p.drawEllipse(QPointF(0, 0), size * 0.1, size * 0.1);
    p.restore();
}

} // namespace

namespace Furniture {

void drawSofa(QPainter &p, const QRectF &box, QColor fabric, QColor pillowColour)
{
    const QColor legs(92, 60, 40);
    for (const qreal left : {0.1, 0.84})
        drawRoundedBox(p, part(box, left, 0.86, 0.06, 0.14), 0.8, legs, 0.8);
    drawCushion(p, part(box, 0.08, 0.0, 0.84, 0.62), fabric.darker(108));
    drawCushion(p, part(box, 0.06, 0.62, 0.88, 0.26), fabric.darker(115));
    for (const qreal left : {0.14, 0.5})
        drawCushion(p, part(box, left, 0.1, 0.36, 0.46), fabric);
    drawThrowPillow(p, part(box, 0.17, 0.3, 0.2, 0.2).center(), box.width() * 0.17, -12,
                    pillowColour);
    drawThrowPillow(p, part(box, 0.63, 0.3, 0.2, 0.2).center(), box.width() * 0.17, 12,
                    pillowColour);
    for (const qreal left : {0.14, 0.5})
        drawCushion(p, part(box, left, 0.5, 0.36, 0.2), fabric.lighter(106));
    for (const qreal left : {0.0, 0.84})
        drawCushion(p, part(box, left, 0.3, 0.16, 0.58), fabric);
}

void drawWardrobe(QPainter &p, const QRectF &box, QColor wood)
{
    const QRectF body = part(box, 0.04, 0.06, 0.92, 0.88);
    drawRoundedBox(p, body, 1.5, wood, 1.2);
    for (const qreal left : {0.1, 0.52}) {
        const QRectF door = part(box, left, 0.11, 0.38, 0.78);
        drawRoundedBox(p, door, 1.2, wood.lighter(112), 0.9);
        drawRoundedBox(p, door.adjusted(2.5, 3, -2.5, -3), 1, wood.lighter(104), 0.6);
    }
    p.setPen(QPen(WordArt::outlineFor(wood), 0.8));
    p.setBrush(QColor(236, 196, 120));
    for (const qreal x : {0.45, 0.55})
        p.drawEllipse(part(box, x, 0.48, 0, 0).topLeft(), 1.4, 1.4);
    drawRoundedBox(p, part(box, 0.0, 0.0, 1.0, 0.07), 1, wood.darker(112), 1.0);
    drawRoundedBox(p, part(box, 0.02, 0.93, 0.96, 0.07), 1, wood.darker(118), 1.0);
}

void drawTeaTable(QPainter &p, const QRectF &top, qreal floorY, QColor wood)
{
    const qreal leg = top.height() * 0.7;
    for (const qreal x : {top.left() + leg, top.right() - 2 * leg})
        drawRoundedBox(p, QRectF(x, top.center().y(), leg, floorY - top.center().y()), 0.8,
                       wood.darker(115), 0.8);
    drawRoundedBox(p, top, top.height() / 2, wood, 1.2);
}

} // namespace Furniture
