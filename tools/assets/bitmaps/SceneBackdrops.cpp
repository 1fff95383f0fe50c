// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SceneBackdrops.h"

#include "EmojiArt.h"
#include "PaintKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Backdrop {

void sky(QPainter &p, const QColor &top, const QColor &bottom, qreal horizon)
{
    QLinearGradient fade(0, 0, 0, horizon);
    fade.setColorAt(0, top);
    fade.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, sceneSize, sceneSize), fade);
}

void hill(QPainter &p, qreal crest, qreal swell, qreal phase, const QColor &top,
          const QColor &bottom)
{
    QPainterPath band(QPointF(0, sceneSize));
    for (int x = 0; x <= sceneSize; x += 5) {
        const qreal wave = qSin(x / 55.0 + phase) + 0.5 * qSin(x / 23.0 + 2 * phase);
        band.lineTo(x, crest - swell * wave);
    }
    band.lineTo(sceneSize, sceneSize);
    band.closeSubpath();
    QLinearGradient fade(0, crest - swell, 0, sceneSize);
    fade.setColorAt(0, top);
    fade.setColorAt(1, bottom);
    p.save();
    p.setPen(QPen(bottom.darker(115), 1.2));
    p.setBrush(fade);
    p.drawPath(band);
    p.restore();
}

void grass(QPainter &p, qreal top, qreal bottom, int tufts, quint32 seed, const QColor &colour)
{
    PaintKit::Scatter scatter(seed);
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < tufts; ++i) {
        const QPointF root(scatter.between(0, sceneSize), scatter.between(top, bottom));
        const qreal height = 5 + 9 * (root.y() - top) / qMax(1.0, bottom - top);
        p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int blade = -1; blade <= 1; ++blade) {
            QPainterPath stroke(root);
            stroke.quadTo(root + QPointF(blade * 1.5, -height * 0.6),
                          root + QPointF(blade * height * 0.45, -height));
            p.drawPath(stroke);
        }
    }
    p.restore();
}

void cloud(QPainter &p, QPointF centre, qreal width, const QColor &colour)
{
    const qreal u = width / 10;
    QPainterPath puff;
    puff.setFillRule(Qt::WindingFill);
    puff.addEllipse(centre + QPointF(-2.6 * u, 0.6 * u), 2.6 * u, 1.9 * u);
    puff.addEllipse(centre + QPointF(-0.6 * u, -0.9 * u), 2.7 * u, 2.5 * u);
    puff.addEllipse(centre + QPointF(1.9 * u, -0.2 * u), 2.3 * u, 2.1 * u);
    puff.addEllipse(centre + QPointF(2.9 * u, 0.9 * u), 2.0 * u, 1.6 * u);
    puff.addRoundedRect(QRectF(centre + QPointF(-4.6 * u, 0), QSizeF(9 * u, 2.5 * u)), u, u);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(112));
    p.drawPath(puff.simplified().translated(0, 0.5 * u));
    p.setBrush(colour);
    p.drawPath(puff.simplified());
    p.restore();
}

void sun(QPainter &p, QPointF centre, qreal size)
{
    PaintKit::glow(p, centre, size, QColor(255, 240, 150, 200));
    EmojiArt::drawEmoji(p, QStringLiteral("🌞"), centre, size);
}

void rain(QPainter &p, const QRectF &area, int drops, quint32 seed, const QPainterPath &shelter)
{
    PaintKit::Scatter scatter(seed);
    QPainterPath open;
    open.addRect(area);
    p.save();
    p.setClipPath(open.subtracted(shelter));
    for (int i = 0; i < drops; ++i) {
        const QPointF top(scatter.between(area.left() - 20, area.right()),
                          scatter.between(area.top() - 10, area.bottom()));
        const qreal length = scatter.between(9, 16);
        p.setPen(QPen(QColor(235, 245, 255, int(scatter.between(150, 230))), 1.8, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(top, top + QPointF(length * 0.3, length));
    }
    p.restore();
}

void puddle(QPainter &p, QPointF centre, qreal width)
{
    p.save();
    p.setPen(QPen(QColor(90, 130, 170), 1.2));
    p.setBrush(QColor(150, 190, 225));
    p.drawEllipse(centre, width / 2, width / 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 245, 255), 1.2));
    p.drawEllipse(centre + QPointF(-width * 0.15, 0), width / 9, width / 30);
    p.drawEllipse(centre + QPointF(width * 0.18, width * 0.02), width / 7, width / 25);
    p.restore();
}

void rainbow(QPainter &p, QPointF centre, qreal radius, qreal bandWidth)
{
    const QColor bands[] = {{240, 80, 80},   {250, 160, 60}, {250, 220, 80},
                            {110, 200, 100}, {90, 160, 235}, {160, 110, 220}};
    p.save();
    p.setBrush(Qt::NoBrush);
    qreal r = radius - bandWidth / 2;
    for (QColor band : bands) {
        band.setAlpha(200);
        p.setPen(QPen(band, bandWidth + 0.6, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 0, 180 * 16);
        r -= bandWidth;
    }
    p.restore();
}

void canopy(QPainter &p, quint32 seed)
{
    PaintKit::Scatter scatter(seed);
    QPainterPath leaves;
    leaves.setFillRule(Qt::WindingFill);
    for (int x = -10; x <= sceneSize + 10; x += 26)
        leaves.addEllipse(QPointF(x, scatter.between(-6, 14)), scatter.between(22, 30),
                          scatter.between(18, 26));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 120, 60));
    p.drawPath(leaves.translated(0, 6));
    p.setBrush(QColor(76, 156, 72));
    p.drawPath(leaves);
    p.setBrush(QColor(130, 196, 96, 170));
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(QPointF(scatter.between(0, sceneSize), scatter.between(0, 22)), 5, 3.5);
    p.restore();
}

void haze(QPainter &p, const QColor &colour, int alpha)
{
    QColor veil = colour;
    veil.setAlpha(alpha);
    p.fillRect(QRectF(0, 0, sceneSize, sceneSize), veil);
}

} // namespace Backdrop
