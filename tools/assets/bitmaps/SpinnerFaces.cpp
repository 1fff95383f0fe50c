// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpinnerFaces.h"

#include "PaintKit.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

constexpr int dialSize = 90;
const QPointF centre(45, 45);
constexpr int dotCount = 12;
constexpr qreal ringRadius = 35.5;
constexpr qreal dotRadius = 5.2;
constexpr qreal hubRadius = 26;

const QColor rainbow[] = {{238, 72, 72}, {250, 150, 40}, {250, 210, 50},
                          {90, 190, 80}, {60, 150, 235}, {160, 100, 215}};

// Each number has its own hub colour, so a child can tell the faces apart by colour as well.
QColor hubColour(int digit)
{
    return rainbow[(digit - 1) % 6];
}

QPointF onRing(qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees - 90);
    return centre + QPointF(ringRadius * qCos(a), ringRadius * qSin(a));
}

void drawPlate(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawEllipse(centre + QPointF(0, 1.5), 43.5, 43.5);
    QRadialGradient plate(centre + QPointF(-10, -12), 56);
    plate.setColorAt(0, QColor(255, 253, 244));
    plate.setColorAt(1, QColor(255, 236, 196));
    p.setPen(QPen(QColor(222, 178, 120), 1.5));
    p.setBrush(plate);
    p.drawEllipse(centre, 43, 43);
}

void drawDots(QPainter &p, qreal turnDegrees)
{
    p.setPen(QPen(Palette::ink, 0.9));
    for (int i = 0; i < dotCount; ++i) {
        p.setBrush(rainbow[i % 6]);
        p.drawEllipse(onRing(turnDegrees + i * 360.0 / dotCount), dotRadius, dotRadius);
    }
}

// Faint arcs trailing behind each dot, against the direction of the turn.
void drawStreaks(QPainter &p, qreal turnDegrees, int direction)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < dotCount; ++i) {
        QColor trail = rainbow[i % 6];
        trail.setAlpha(100);
        p.setPen(QPen(trail, 1.5 * dotRadius, Qt::SolidLine, Qt::RoundCap));
        const qreal at = turnDegrees + i * 360.0 / dotCount;
        QPainterPath arc(onRing(at));
        for (int step = 1; step <= 4; ++step)
            arc.lineTo(onRing(at - direction * step * 3.5));
        p.drawPath(arc);
    }
}

void drawHub(QPainter &p, const QColor &colour)
{
    QRadialGradient hub(centre + QPointF(-8, -9), hubRadius * 1.6);
    hub.setColorAt(0, colour.lighter(130));
    hub.setColorAt(1, colour);
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(hub);
    p.drawEllipse(centre, hubRadius, hubRadius);
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, hubRadius + 1.8, hubRadius + 1.8);
}

void drawDigit(QPainter &p, int digit, qreal tiltDegrees, int alpha)
{
    QPainterPath glyph;
    glyph.addText(0, 0, PaintKit::boldFont(46), QString::number(digit));
    const QRectF bounds = glyph.boundingRect();
    p.save();
    p.translate(centre);
    p.rotate(tiltDegrees);
    p.translate(-bounds.center());
    // The outline is stroked first and the white filled over it, so it widens the digit
    // instead of eating into it.
    QColor outline = Palette::ink;
    outline.setAlpha(alpha);
    p.setPen(QPen(outline, 5, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(outline);
    p.drawPath(glyph);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawPath(glyph);
    p.restore();
}

} // namespace

namespace SpinnerFaces {

QImage face(int digit, int scale)
{
    QImage dial = PaintKit::canvas(dialSize, dialSize, Palette::window, scale);
    QPainter p(&dial);
    PaintKit::smooth(p);
    drawPlate(p);
    drawDots(p, 0);
    drawHub(p, hubColour(digit));
    drawDigit(p, digit, 0, 255);
    return dial;
}

QImage whirl(int digit, int direction, int scale)
{
    const qreal turn = direction * 360.0 / dotCount / 2;
    const qreal tilt = direction * 38.0;
    QImage dial = PaintKit::canvas(dialSize, dialSize, Palette::window, scale);
    QPainter p(&dial);
    PaintKit::smooth(p);
    drawPlate(p);
    drawStreaks(p, turn, direction);
    drawDots(p, turn);
    drawHub(p, hubColour(digit));
    drawDigit(p, digit, tilt * 0.45, 90);
    drawDigit(p, digit, tilt, 255);
    return dial;
}

} // namespace SpinnerFaces
