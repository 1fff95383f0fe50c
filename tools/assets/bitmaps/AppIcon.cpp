// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIcon.h"

#include "PaintKit.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The icon is drawn in units of a 100 x 100 square.
constexpr qreal units = 100;

// What still reads at a size: below 32 pixels there is no room for a tile or small details.
struct Detail {
    bool tile;
    bool highlights; // the eyes' white glints and the inner ears
    bool muzzle;     // the pale muzzle, the mouth and the forehead stripes
    bool blush;
};

Detail detailAt(int size)
{
    return {size >= 32, size >= 32, size >= 48, size >= 64};
}

void drawTile(QPainter &p)
{
    const QRectF tile(5, 5, 90, 90);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0, Palette::board.lighter(112));
    sky.setColorAt(1, Palette::board.darker(108));
    p.setPen(QPen(Palette::board.darker(150), 2.5));
    p.setBrush(sky);
    p.drawRoundedRect(tile, 20, 20);
}

QPainterPath earsPath()
{
    QPainterPath ears;
    ears.addPolygon(QPolygonF{QPointF(15, 48), QPointF(18, 6), QPointF(48, 27), QPointF(15, 48)});
    ears.addPolygon(QPolygonF{QPointF(85, 48), QPointF(82, 6), QPointF(52, 27), QPointF(85, 48)});
    return ears;
}

// The face: ears, a round head, big eyes and a pink nose; outline is the ink's width in units.
void drawFace(QPainter &p, const Detail &detail, qreal outline)
{
    const QPen ink(Palette::ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    p.setBrush(Palette::kittenFur);
    p.drawPath(earsPath());
    p.drawEllipse(QPointF(50, 58), 40, 34);
    p.setPen(Qt::NoPen);
    if (detail.highlights) {
        p.setBrush(Palette::kittenPink);
        p.drawPolygon(QPolygonF{QPointF(22, 38), QPointF(24, 15), QPointF(39, 27)});
        p.drawPolygon(QPolygonF{QPointF(78, 38), QPointF(76, 15), QPointF(61, 27)});
    }
    if (detail.muzzle) {
        p.setPen(QPen(Palette::kittenStripe, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(42, 29), QPointF(43, 37));
        p.drawLine(QPointF(50, 27), QPointF(50, 36));
        p.drawLine(QPointF(58, 29), QPointF(57, 37));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::kittenPale);
        p.drawEllipse(QPointF(50, 74), 17, 12);
    }
    if (detail.blush) {
        QColor blush = Palette::kittenPink;
        blush.setAlpha(150);
        p.setBrush(blush);
        p.drawEllipse(QPointF(24, 70), 6, 4);
        p.drawEllipse(QPointF(76, 70), 6, 4);
    }
    p.setBrush(Palette::ink);
    for (qreal x : {34.0, 66.0})
        p.drawEllipse(QPointF(x, 56), 7, 9);
    if (detail.highlights) {
        p.setBrush(Qt::white);
        for (qreal x : {36.5, 68.5})
            p.drawEllipse(QPointF(x, 52), 2.6, 2.6);
    }
    p.setBrush(Palette::kittenPink.darker(115));
    p.setPen(QPen(Palette::ink, outline * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF{QPointF(44, 66), QPointF(56, 66), QPointF(50, 72)});
    if (detail.muzzle) {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(42, 70, 8, 8), 180 * 16, 180 * 16);
        p.drawArc(QRectF(50, 70, 8, 8), 180 * 16, 180 * 16);
    }
}

} // namespace

namespace AppIcon {

std::vector<int> sizes()
{
    return {16, 24, 32, 48, 64, 128, 256, 512};
}

QImage draw(int size)
{
    QImage icon = PaintKit::layer(size, size);
    QPainter p(&icon);
    PaintKit::smooth(p);
    p.scale(size / units, size / units);
    const Detail detail = detailAt(size);
    // The outline stays at least about one pixel wide, however small the icon.
    const qreal pixel = units / size;
    if (detail.tile) {
        drawTile(p);
        // The face sits on the tile, a little smaller.
        p.translate(50, 52);
        p.scale(0.8, 0.8);
        p.translate(-50, -52);
        drawFace(p, detail, qMax(3.0, 1.1 * pixel / 0.8));
    } else {
        drawFace(p, detail, qMax(3.0, 1.1 * pixel));
    }
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

} // namespace AppIcon
