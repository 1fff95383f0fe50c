// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Figures.h"

#include "PaintKit.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

QPainterPath leafOutline(qreal length, qreal width)
{
    const qreal w = width / 2;
    QPainterPath leaf(QPointF(0, 0));
    leaf.cubicTo(QPointF(length * 0.2, -w * 1.25), QPointF(length * 0.72, -w * 1.05),
                 QPointF(length, 0));
    leaf.cubicTo(QPointF(length * 0.72, w * 1.05), QPointF(length * 0.2, w * 1.25), QPointF(0, 0));
    return leaf;
}

void drawVeins(QPainter &p, qreal length, qreal width, const QColor &colour)
{
    p.setPen(QPen(colour, qMax(0.6, width * 0.045), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.9, 0));
    p.setPen(QPen(colour, qMax(0.5, width * 0.025), Qt::SolidLine, Qt::RoundCap));
    for (qreal t : {0.22, 0.42, 0.62}) {
        const qreal x = length * t;
        const qreal reach = width * 0.34 * (1.1 - t * 0.6);
        p.drawLine(QPointF(x, 0), QPointF(x + length * 0.13, -reach));
        p.drawLine(QPointF(x, 0), QPointF(x + length * 0.13, reach));
    }
}

QPainterPath tadpoleTail(QPointF headCentre, qreal radius, qreal wave)
{
    // The tail follows a gentle S behind the head and narrows to a point.
    constexpr int steps = 24;
    const qreal length = radius * 2.1;
    QPolygonF upper, lower;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal x = headCentre.x() - radius * 0.5 - length * t;
        const qreal y = headCentre.y() - wave * radius * 0.45 * qSin(t * M_PI * 1.3);
        const qreal half = radius * 0.5 * (1 - t) + radius * 0.04;
        upper << QPointF(x, y - half);
        lower.prepend(QPointF(x, y + half));
    }
    QPainterPath tail;
    tail.addPolygon(upper + lower);
    tail.closeSubpath();
    return tail;
}

void drawTadpoleMouth(QPainter &p, QPointF c, qreal r, bool open)
{
    if (open) {
        p.setPen(QPen(Palette::ink, r * 0.06));
        p.setBrush(QColor(150, 36, 52));
        p.drawEllipse(c + QPointF(r * 0.6, r * 0.36), r * 0.26, r * 0.3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 130, 140));
        p.drawEllipse(c + QPointF(r * 0.6, r * 0.5), r * 0.15, r * 0.12);
        return;
    }
    p.setPen(QPen(Palette::ink, r * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c + QPointF(r * 0.35, r * 0.08), QSizeF(r * 0.45, r * 0.36)), 200 * 16,
              150 * 16);
}

} // namespace

namespace Figures {

void drawLeaf(QPainter &p, QPointF base, QPointF tip, qreal width, const QColor &light,
              const QColor &dark)
{
    const QPointF along = tip - base;
    const qreal length = qSqrt(QPointF::dotProduct(along, along));
    p.save();
    p.translate(base);
    p.rotate(qRadiansToDegrees(qAtan2(along.y(), along.x())));
    QLinearGradient shade(QPointF(0, -width / 2), QPointF(0, width / 2));
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(135), qMax(0.7, width * 0.04)));
    p.setBrush(shade);
    p.drawPath(leafOutline(length, width));
    drawVeins(p, length, width, PaintKit::mix(light, QColor(250, 255, 220), 0.4));
    p.setPen(QPen(dark.darker(120), qMax(1.0, width * 0.09), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-length * 0.1, width * 0.04), QPointF(0, 0));
    p.restore();
}

void drawTadpole(QPainter &p, QPointF headCentre, qreal radius, qreal wave, bool mouthOpen)
{
    const QPointF c = headCentre;
    const qreal r = radius;
    p.save();
    p.setPen(QPen(Palette::ink, r * 0.07));
    p.setBrush(QColor(84, 104, 112));
    p.drawPath(tadpoleTail(c, r, wave));
    QRadialGradient body(c + QPointF(-r * 0.3, -r * 0.4), r * 1.4);
    body.setColorAt(0, QColor(120, 148, 150));
    body.setColorAt(1, QColor(50, 66, 76));
    p.setBrush(body);
    p.drawEllipse(c, r, r * 0.88);
    p.setPen(QPen(Palette::ink, r * 0.05));
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(r * 0.3, -r * 0.3), r * 0.34, r * 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::ink);
    p.drawEllipse(c + QPointF(r * 0.4, -r * 0.28), r * 0.19, r * 0.22);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(r * 0.46, -r * 0.36), r * 0.07, r * 0.07);
    p.setBrush(QColor(255, 150, 160, 170));
    p.drawEllipse(c + QPointF(r * 0.12, r * 0.3), r * 0.16, r * 0.1);
    drawTadpoleMouth(p, c, r, mouthOpen);
    p.restore();
}

void drawMushroomHouse(QPainter &p, const QRectF &box)
{
    const qreal w = box.width(), h = box.height();
    const QPointF o = box.topLeft();
    p.save();
    p.setPen(QPen(Palette::ink, qMax(0.8, w * 0.035)));
    p.setBrush(Palette::cream);
    p.drawRoundedRect(QRectF(o + QPointF(w * 0.2, h * 0.4), QSizeF(w * 0.6, h * 0.58)), w * 0.08,
                      w * 0.08);
    p.setBrush(QColor(170, 100, 60));
    QPainterPath door(o + QPointF(w * 0.42, h * 0.98));
    door.lineTo(o + QPointF(w * 0.42, h * 0.74));
    door.arcTo(QRectF(o + QPointF(w * 0.42, h * 0.64), QSizeF(w * 0.2, h * 0.2)), 180, -180);
    door.lineTo(o + QPointF(w * 0.62, h * 0.98));
    p.drawPath(door);
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(QRectF(o + QPointF(w * 0.25, h * 0.62), QSizeF(w * 0.13, w * 0.13)));
    QLinearGradient roof(o, o + QPointF(0, h * 0.5));
    roof.setColorAt(0, QColor(246, 84, 70));
    roof.setColorAt(1, QColor(204, 40, 40));
    p.setBrush(roof);
    QPainterPath cap(o + QPointF(0, h * 0.5));
    cap.cubicTo(o + QPointF(0, -h * 0.08), o + QPointF(w, -h * 0.08), o + QPointF(w, h * 0.5));
    cap.quadTo(o + QPointF(w * 0.5, h * 0.4), o + QPointF(0, h * 0.5));
    p.drawPath(cap);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(o + QPointF(w * 0.3, h * 0.2), w * 0.08, w * 0.07);
    p.drawEllipse(o + QPointF(w * 0.62, h * 0.15), w * 0.1, w * 0.08);
    p.drawEllipse(o + QPointF(w * 0.85, h * 0.36), w * 0.05, w * 0.05);
    p.drawEllipse(o + QPointF(w * 0.13, h * 0.38), w * 0.045, w * 0.045);
    p.restore();
}

} // namespace Figures
