#include "EmojiArt.h"
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

void drawNightWindow(QPainter &p)
{
    const QRectF frame(12, 10, 32, 30);
    drawWindow(p, frame, QColor(30, 40, 100), QColor(70, 80, 160));
    drawOutlinedEmoji(p, QStringLiteral("🌙"), QPointF(21, 20), 12);
    drawOutlinedEmoji(p, QStringLiteral("⭐"), QPointF(35, 17), 7);
    drawOutlinedEmoji(p, QStringLiteral("⭐"), QPointF(38, 31), 5);
    drawCurtain(p, QRectF(6, 8, 8, 36), QColor(250, 160, 190));
    drawCurtain(p, QRectF(42, 8, 8, 36), QColor(250, 160, 190));
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

// A living room, told apart from the sofa (word 22) by what only a room has: a window with
// the day outside and curtains, a television on its low cabinet, a rug and a plant.
void drawLivingRoom(QPainter &p)
{
    const qreal floorTop = 66;
    drawWallpaperStripes(p, floorTop, QColor(255, 228, 196));
    drawFloorboards(p, floorTop, QColor(204, 146, 96));
    drawWindow(p, QRectF(12, 10, 30, 32), QColor(120, 196, 250), QColor(200, 236, 255));
    drawOutlinedEmoji(p, QStringLiteral("☁️"), QPointF(21, 20), 11);
    drawCurtain(p, QRectF(6, 7, 8, 40), QColor(120, 190, 120));
    drawCurtain(p, QRectF(40, 7, 8, 40), QColor(120, 190, 120));
    drawRug(p, QPointF(48, 87), 40, 9, QColor(206, 84, 84));
    const QColor wood(176, 118, 72);
    drawRoundedBox(p, QRectF(58, 54, 36, 16), 2, wood, 1.2);
    p.setPen(QPen(outlineFor(wood), 1.0));
    p.drawLine(QPointF(76, 56), QPointF(76, 68));
    drawOutlinedEmoji(p, QStringLiteral("📺"), QPointF(76, 40), 32);
    drawEmojiOnGround(p, QStringLiteral("🪴"), 13, 78, 24);
    // A low tea table on the rug, with a cup on it.
    drawRoundedBox(p, QRectF(36, 82, 3, 8), 1, wood.darker(115), 0.8);
    drawRoundedBox(p, QRectF(57, 82, 3, 8), 1, wood.darker(115), 0.8);
    drawRoundedBox(p, QRectF(31, 78, 34, 5), 2, wood, 1.2);
    drawOutlinedEmoji(p, QStringLiteral("☕"), QPointF(48, 72), 11);
}

// A bedroom at night: a bed with its pillow and blanket, a window with the moon and stars.
void drawBedroom(QPainter &p)
{
    const qreal floorTop = 72;
    drawWallpaperStripes(p, floorTop, QColor(226, 218, 248));
    drawFloorboards(p, floorTop, QColor(196, 140, 96));
    drawNightWindow(p);
    drawEmojiOnGround(p, QStringLiteral("🛏️"), 52, 95, 88);
}

} // namespace WordArt
