// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmojiArt.h"
#include "Furniture.h"
#include "WordPictureDrawers.h"
#include "WordPictureKit.h"

#include <QLinearGradient>
#include <QPolygonF>

namespace WordArt {

namespace {

void drawFloorboards(QPainter &p, qreal floorTop, QColor wood)
{
    p.fillRect(QRectF(0, floorTop, 100, 100 - floorTop), wood);
    p.save();
    p.setPen(QPen(wood.darker(118), 0.8));
    for (qreal y = floorTop + 6; y < 100; y += 6)
        p.drawLine(QPointF(0, y), QPointF(100, y));
    p.restore();
    p.fillRect(QRectF(0, floorTop - 2.5, 100, 3), QColor(250, 246, 238));
    p.setPen(QPen(wood.darker(140), 0.6));
    p.drawLine(QPointF(0, floorTop + 0.5), QPointF(100, floorTop + 0.5));
}

void drawWallpaperStripes(QPainter &p, qreal floorTop, QColor wall)
{
    p.fillRect(QRectF(0, 0, 100, floorTop), wall);
    p.save();
    p.setPen(QPen(wall.darker(106), 2.0));
    for (qreal x = 4; x < 100; x += 8)
        p.drawLine(QPointF(x, 0), QPointF(x, floorTop));
    p.restore();
}

void drawTiledWall(QPainter &p, qreal bottom)
{
    const QColor tile(232, 244, 250);
    p.fillRect(QRectF(0, 0, 100, bottom), tile);
    p.save();
    p.setPen(QPen(tile.darker(112), 0.7));
    for (qreal y = 7; y < bottom; y += 8)
        p.drawLine(QPointF(0, y), QPointF(100, y));
    for (qreal x = 4; x < 100; x += 8)
        p.drawLine(QPointF(x, 0), QPointF(x, bottom));
    p.restore();
}

// A window with a frame, two panes and the sky behind it.
void drawWindow(QPainter &p, const QRectF &frame, QColor skyTop, QColor skyBottom)
{
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, skyBottom);
    drawRoundedBox(p, frame, 1.5, QColor(250, 250, 246), 1.0);
    p.fillRect(frame.adjusted(2.5, 2.5, -2.5, -2.5), sky);
    p.setPen(QPen(QColor(250, 250, 246), 2.2));
    p.drawLine(QPointF(frame.center().x(), frame.top()),
               QPointF(frame.center().x(), frame.bottom()));
}

void drawCurtain(QPainter &p, const QRectF &area, QColor cloth)
{
    drawRoundedBox(p, area, 2, cloth, 1.0);
    p.save();
    p.setPen(QPen(cloth.darker(120), 0.8));
    for (qreal x = area.left() + 2; x < area.right() - 1; x += 2.5)
        p.drawLine(QPointF(x, area.top() + 2), QPointF(x, area.bottom() - 2));
    p.restore();
}

void drawRug(QPainter &p, QPointF centre, qreal radiusX, qreal radiusY, QColor colour)
{
    p.save();
    p.setBrush(colour);
    p.setPen(QPen(colour.lighter(130), 1.4, Qt::DashLine));
    p.drawEllipse(centre, radiusX, radiusY);
    p.restore();
}

// --- kitchen ---

constexpr qreal counterTop = 60;

void drawCupboards(QPainter &p)
{
    const QColor wood(222, 168, 110);
    for (const QRectF &door : {QRectF(-2, 64, 31, 38), QRectF(71, 64, 31, 38)}) {
        drawRoundedBox(p, door, 1.5, wood, 1.0);
        p.setBrush(QColor(120, 80, 50));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(door.center().x() - 4, 70, 8, 2), 1, 1);
    }
    drawRoundedBox(p, QRectF(-2, counterTop, 104, 5), 1, QColor(190, 195, 205), 1.0);
}

void drawStove(QPainter &p)
{
    drawRoundedBox(p, QRectF(29, 58, 42, 44), 2, QColor(246, 246, 248), 1.2);
    drawRoundedBox(p, QRectF(34, 74, 32, 18), 2, QColor(70, 70, 84), 1.0);
    p.fillRect(QRectF(36, 76, 28, 5), QColor(120, 120, 140));
    drawRoundedBox(p, QRectF(36, 69, 28, 2.2), 1, QColor(170, 170, 180), 0.6);
    p.setPen(QPen(QColor(90, 90, 100), 0.8));
    p.setBrush(QColor(210, 60, 50));
    for (qreal x = 38; x <= 62; x += 8)
        p.drawEllipse(QPointF(x, 63.5), 1.8, 1.8);
    drawRoundedBox(p, QRectF(27, 56, 46, 3.5), 1, QColor(60, 60, 70), 0.8);
}

void drawCookerHood(QPainter &p)
{
    const QColor steel(196, 202, 212);
    drawRoundedBox(p, QRectF(43, -2, 14, 20), 1, steel, 1.0);
    QPainterPath hood(QPointF(38, 17));
    hood.lineTo(62, 17);
    hood.lineTo(72, 28);
    hood.lineTo(28, 28);
    hood.closeSubpath();
    p.setBrush(steel);
    p.setPen(QPen(outlineFor(steel), 1.0));
    p.drawPath(hood);
}

void drawHangingUtensils(QPainter &p)
{
    p.setPen(QPen(QColor(150, 150, 160), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 20), QPointF(23, 20));
    drawOutlinedEmoji(p, QStringLiteral("🥄"), QPointF(9, 31), 20, 40);
    drawOutlinedEmoji(p, QStringLiteral("🍴"), QPointF(19, 31), 20);
}

// --- living room and bedroom ---

void drawNightWindow(QPainter &p, const QRectF &frame)
{
    drawWindow(p, frame, QColor(30, 40, 100), QColor(70, 80, 160));
    drawOutlinedEmoji(p, QStringLiteral("🌙"), frame.topLeft() + QPointF(8, 9), 11);
    drawOutlinedEmoji(p, QStringLiteral("⭐"), frame.topLeft() + QPointF(21, 8), 6);
    drawOutlinedEmoji(p, QStringLiteral("⭐"), frame.topLeft() + QPointF(23, 19), 4.5);
    drawCurtain(p, QRectF(frame.left() - 5, frame.top() - 2, 7, frame.height() + 5),
                QColor(250, 160, 190));
    drawCurtain(p, QRectF(frame.right() - 2, frame.top() - 2, 7, frame.height() + 5),
                QColor(250, 160, 190));
}

} // namespace

// A kitchen: tiled wall, cupboards, a cooker with a pot and a frying pan, the cooker hood above.
void drawKitchen(QPainter &p)
{
    drawTiledWall(p, counterTop);
    drawCookerHood(p);
    drawHangingUtensils(p);
    drawCupboards(p);
    drawStove(p);
    drawOutlinedEmoji(p, QStringLiteral("🍲"), QPointF(39, 45), 25);
    drawOutlinedEmoji(p, QStringLiteral("🍳"), QPointF(63, 49), 22);
    drawOutlinedEmoji(p, QStringLiteral("🫖"), QPointF(87, 54), 16);
}

// A house seen from outside: blue sky, sun and cloud, on a green lawn.
void drawHouse(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 70);
    sky.setColorAt(0, QColor(140, 204, 250));
    sky.setColorAt(1, QColor(214, 238, 255));
    p.fillRect(QRectF(0, 0, 100, 100), sky);
    QPainterPath lawn(QPointF(0, 74));
    lawn.quadTo(QPointF(50, 64), QPointF(100, 74));
    lawn.lineTo(100, 100);
    lawn.lineTo(0, 100);
    lawn.closeSubpath();
    p.fillPath(lawn, QColor(120, 200, 90));
    drawOutlinedEmoji(p, QStringLiteral("☀️"), QPointF(16, 16), 22);
    drawOutlinedEmoji(p, QStringLiteral("☁️"), QPointF(80, 17), 24);
    drawEmojiOnGround(p, QStringLiteral("🏡"), 52, 88, 70);
}

// A living room seen as a room: the sofa against the wall under a window with the day outside,
// the television on its low cabinet beside it, and the tea table with a teapot and cups on the
// rug in front. The sofa alone is 沙发 (word 22); here it is one piece among the others.
void drawLivingRoom(QPainter &p)
{
    const qreal floorTop = 64;
    drawWallpaperStripes(p, floorTop, QColor(255, 228, 196));
    drawFloorboards(p, floorTop, QColor(204, 146, 96));
    drawWindow(p, QRectF(14, 6, 30, 24), QColor(120, 196, 250), QColor(200, 236, 255));
    drawOutlinedEmoji(p, QStringLiteral("☁️"), QPointF(23, 15), 10);
    drawCurtain(p, QRectF(9, 4, 7, 29), QColor(120, 190, 120));
    drawCurtain(p, QRectF(42, 4, 7, 29), QColor(120, 190, 120));
    Furniture::drawSofa(p, QRectF(2, 34, 56, 36), QColor(66, 134, 214), QColor(255, 200, 70));
    const QColor wood(176, 118, 72);
    drawRoundedBox(p, QRectF(64, 54, 33, 15), 2, wood, 1.2);
    p.setPen(QPen(outlineFor(wood), 1.0));
    p.drawLine(QPointF(80.5, 56), QPointF(80.5, 67));
    drawOutlinedEmoji(p, QStringLiteral("📺"), QPointF(80.5, 42), 26);
    drawRug(p, QPointF(50, 87), 44, 10, QColor(206, 84, 84));
    Furniture::drawTeaTable(p, QRectF(26, 80, 48, 5), 96, wood);
    drawOutlinedEmoji(p, QStringLiteral("🫖"), QPointF(42, 74.5), 12);
    drawOutlinedEmoji(p, QStringLiteral("🍵"), QPointF(56, 76.5), 8);
    drawOutlinedEmoji(p, QStringLiteral("🍵"), QPointF(64, 76.5), 8);
}

// A bedroom at night, seen as a room and not only a bed: the bed with its pillow, blanket and a
// teddy bear, the wardrobe beside it, the window with the moon and stars, and a rug.
void drawBedroom(QPainter &p)
{
    const qreal floorTop = 70;
    drawWallpaperStripes(p, floorTop, QColor(226, 218, 248));
    drawFloorboards(p, floorTop, QColor(196, 140, 96));
    drawNightWindow(p, QRectF(12, 8, 28, 24));
    Furniture::drawWardrobe(p, QRectF(68, 10, 30, 66), QColor(214, 160, 108));
    drawRug(p, QPointF(40, 91), 34, 6, QColor(120, 150, 220));
    drawEmojiOnGround(p, QStringLiteral("🛏️"), 36, 86, 64);
    drawOutlinedEmoji(p, QStringLiteral("🧸"), QPointF(22, 55), 15);
}

} // namespace WordArt
