// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SquareIcons.h"

#include "EmojiArt.h"
#include "Figures.h"
#include "PaintKit.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int tileSize = 40;

// One warm tile colour per kind, so the four kinds differ even before the figure is read.
QColor tileColour(int kind)
{
    switch (kind) {
    case 1:
        return QColor(255, 226, 120); // poem: butter yellow
    case 2:
        return QColor(255, 182, 204); // teaching: pink
    case 3:
        return QColor(255, 196, 132); // test: apricot
    default:
        return QColor(250, 150, 128); // event: coral
    }
}

void drawTile(QPainter &p, const QColor &colour)
{
    QLinearGradient shade(0, 2, 0, tileSize - 2);
    shade.setColorAt(0, colour.lighter(112));
    shade.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(1.5, 1.5, tileSize - 3, tileSize - 3), 8, 8);
}

void drawFigure(QPainter &p, int kind)
{
    switch (kind) {
    case 1:
        Figures::drawMushroomHouse(p, QRectF(7, 6, 26, 28));
        break;
    case 2:
        EmojiArt::drawEmoji(p, QStringLiteral("🐝"), QPointF(20, 20.5), 31);
        break;
    case 3:
        // Swimming up to the right, the tail fits the tile's diagonal.
        p.translate(20, 20);
        p.rotate(-28);
        Figures::drawTadpole(p, QPointF(6.5, -1), 9.5, 1, false);
        break;
    default:
        Figures::drawLeaf(p, QPointF(9, 31), QPointF(33, 8), 17, Palette::leafLight,
                          Palette::leafDark);
        break;
    }
}

} // namespace

namespace SquareIcons {

QImage icon(int kind, int scale)
{
    QImage tile = PaintKit::canvas(tileSize, tileSize, Palette::board, scale);
    QPainter p(&tile);
    PaintKit::smooth(p);
    drawTile(p, tileColour(kind));
    drawFigure(p, kind);
    return tile;
}

} // namespace SquareIcons
