// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmojiArt.h"
#include "Furniture.h"
#include "WordPictureDrawers.h"
#include "WordPictureKit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

namespace WordArt {

namespace {

// --- piano ---

constexpr qreal keysLeft = 12, keysRight = 88, keysTop = 47, keysBottom = 61;
constexpr int whiteKeys = 14;

void drawPianoCase(QPainter &p)
{
    const QColor wood(74, 44, 36);
    drawRoundedBox(p, QRectF(14, 20, 72, 62), 3, wood, 1.4);
    drawRoundedBox(p, QRectF(10, 14, 80, 8), 3, wood.lighter(125), 1.4);
    drawRoundedBox(p, QRectF(22, 65, 56, 12), 2, wood.lighter(115), 1.0);
    drawRoundedBox(p, QRectF(15, 80, 8, 7), 1.5, wood, 1.0);
    drawRoundedBox(p, QRectF(77, 80, 8, 7), 1.5, wood, 1.0);
}

void drawMusicSheet(QPainter &p)
{
    drawRoundedBox(p, QRectF(34, 25, 32, 16), 1, QColor(255, 253, 240), 1.0);
    p.save();
    p.setPen(QPen(QColor(120, 110, 100), 0.6));
    for (qreal y = 29; y <= 37; y += 2.7)
        p.drawLine(QPointF(37, y), QPointF(63, y));
    p.setBrush(QColor(40, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(42, 34.4), 1.5, 1.1);
    p.drawEllipse(QPointF(50, 31.7), 1.5, 1.1);
    p.drawEllipse(QPointF(58, 36.6), 1.5, 1.1);
    p.restore();
}

bool hasBlackKeyAfter(int whiteKey)
{
    const int inOctave = whiteKey % 7;
    return inOctave != 2 && inOctave != 6;
}

void drawPianoKeys(QPainter &p)
{
    const qreal keyWidth = (keysRight - keysLeft) / whiteKeys;
    drawRoundedBox(p, QRectF(keysLeft - 2, keysTop - 2, keysRight - keysLeft + 4, 17), 1.5,
                   QColor(50, 30, 25), 1.0);
    p.save();
    p.setPen(QPen(QColor(150, 150, 150), 0.7));
    p.setBrush(Qt::white);
    for (int k = 0; k < whiteKeys; ++k)
        p.drawRect(QRectF(keysLeft + k * keyWidth, keysTop, keyWidth, keysBottom - keysTop));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 25));
    for (int k = 0; k < whiteKeys - 1; ++k) {
        if (hasBlackKeyAfter(k))
            p.drawRect(QRectF(keysLeft + (k + 0.68) * keyWidth, keysTop, keyWidth * 0.64, 8.5));
    }
    p.restore();
}

// --- jelly ---

QPainterPath jellyBody()
{
    QPainterPath path(QPointF(20, 78));
    path.cubicTo(QPointF(14, 62), QPointF(26, 46), QPointF(30, 34));
    path.cubicTo(QPointF(38, 27), QPointF(62, 27), QPointF(70, 34));
    path.cubicTo(QPointF(74, 46), QPointF(86, 62), QPointF(80, 78));
    path.quadTo(QPointF(50, 85), QPointF(20, 78));
    return path;
}

void drawPlate(QPainter &p, QPointF centre, qreal radiusX, qreal radiusY)
{
    p.save();
    p.setPen(QPen(QColor(170, 170, 180), 1.0));
    p.setBrush(QColor(236, 238, 244));
    p.drawEllipse(centre, radiusX, radiusY);
    p.setBrush(Qt::white);
    p.drawEllipse(centre - QPointF(0, 1), radiusX * 0.72, radiusY * 0.62);
    p.restore();
}

void drawJellyShine(QPainter &p)
{
    p.save();
    p.setClipPath(jellyBody());
    p.setPen(QPen(QColor(170, 20, 60, 120), 1.1));
    for (qreal top : {38.0, 50.0, 62.0})
        p.drawLine(QPointF(top, 31), QPointF(20 + (top - 20) * 1.18 - 5, 82));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(27, 44, 7, 22));
    p.drawEllipse(QPointF(36, 38), 2.2, 2.2);
    p.restore();
}

// Little curved strokes on both sides that show the jelly wobbling.
void drawWobbleMarks(QPainter &p)
{
    p.save();
    p.setPen(QPen(QColor(150, 110, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const qreal x : {10.0, 90.0}) {
        const qreal bend = x < 50 ? -3 : 3;
        for (const qreal y : {44.0, 58.0}) {
            QPainterPath arc(QPointF(x, y - 5));
            arc.quadTo(QPointF(x + bend, y), QPointF(x, y + 5));
            p.drawPath(arc);
        }
    }
    p.restore();
}

// --- glass of water ---

QPolygonF glassOutline(qreal top)
{
    const auto widthAt = [](qreal y) { return 25.0 - (y - 14.0) * 0.085; };
    return QPolygonF({QPointF(50 - widthAt(top), top), QPointF(50 + widthAt(top), top),
                      QPointF(50 + widthAt(86), 86), QPointF(50 - widthAt(86), 86)});
}

void drawWater(QPainter &p)
{
    const qreal surface = 36;
    QLinearGradient water(0, surface, 0, 86);
    water.setColorAt(0, QColor(120, 200, 250));
    water.setColorAt(1, QColor(50, 140, 225));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPolygon(glassOutline(surface));
    const QPolygonF edge = glassOutline(surface);
    p.setBrush(QColor(185, 230, 255));
    p.setPen(QPen(QColor(80, 160, 220), 0.8));
    p.drawEllipse(QRectF(edge[0].x(), surface - 3, edge[1].x() - edge[0].x(), 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    for (const QPointF bubble : {QPointF(58, 58), QPointF(62, 70), QPointF(55, 76)})
        p.drawEllipse(bubble, 1.8, 1.8);
    p.restore();
}

void drawGlassBody(QPainter &p)
{
    const QColor rim(110, 150, 185);
    const QPolygonF glass = glassOutline(14);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawPolygon(glass);
    p.restore();
    drawWater(p);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(glass[0], glass[3]);
    p.drawLine(glass[1], glass[2]);
    p.drawEllipse(QRectF(glass[0].x(), 11, glass[1].x() - glass[0].x(), 6));
    p.setBrush(QColor(215, 232, 245));
    p.drawRoundedRect(QRectF(glass[3].x() - 0.5, 84, glass[2].x() - glass[3].x() + 1, 5), 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 220), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 22), QPointF(35, 76));
    p.restore();
}

// --- desk lamp ---

const QColor lampColour(236, 104, 64);

// The shade sits at the end of the arm and points down and to the right, towards the desk.
QTransform shadeFrame()
{
    QTransform frame;
    frame.translate(62, 26);
    frame.rotate(-38);
    return frame;
}

// The desk the lamp stands on: its top, seen a little from above, its front edge and a drawer,
// so that the picture says 台灯 (a lamp on a desk) and not only 灯.
constexpr qreal deskTop = 76, deskFront = 82;

void drawLightBeam(QPainter &p)
{
    const QTransform frame = shadeFrame();
    const QPointF mouthLeft = frame.map(QPointF(-14, 16));
    const QPointF mouthRight = frame.map(QPointF(14, 16));
    QLinearGradient light(frame.map(QPointF(0, 16)), QPointF(70, deskFront));
    light.setColorAt(0, QColor(255, 240, 140, 210));
    light.setColorAt(1, QColor(255, 240, 140, 60));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPolygon(
        QPolygonF({mouthLeft, mouthRight, QPointF(104, deskFront), QPointF(40, deskFront)}));
    p.restore();
}

void drawDesk(QPainter &p)
{
    const QColor wood(206, 150, 98);
    p.fillRect(QRectF(0, deskTop, 100, deskFront - deskTop), wood.lighter(112));
    drawRoundedBox(p, QRectF(-2, deskFront, 104, 6), 0.8, wood, 1.0);
    drawRoundedBox(p, QRectF(-2, deskFront + 6, 104, 16), 0.8, wood.darker(108), 1.0);
    drawRoundedBox(p, QRectF(40, deskFront + 9, 40, 10), 1, wood, 0.9);
    drawRoundedBox(p, QRectF(55, deskFront + 12.5, 10, 2.4), 1.2, QColor(120, 80, 50), 0.6);
}

// A closed book and a pencil lying in the lamp's light.
void drawThingsOnDesk(QPainter &p)
{
    drawRoundedBox(p, QRectF(62, deskTop - 3, 30, 6), 1, QColor(80, 150, 220), 1.0);
    p.fillRect(QRectF(63, deskTop - 1.2, 28.5, 2.2), QColor(252, 250, 240));
    drawOutlinedEmoji(p, QStringLiteral("✏️"), QPointF(76, deskTop - 7), 16, -40);
}

void drawLampArm(QPainter &p)
{
    const QPointF base(26, deskTop - 2), elbow(36, 44), tip(62, 26);
    p.save();
    p.setPen(QPen(lampColour.darker(150), 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({base, elbow, tip}));
    p.setPen(QPen(lampColour.lighter(105), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({base, elbow, tip}));
    p.setPen(QPen(lampColour.darker(150), 1.0));
    p.setBrush(QColor(250, 230, 200));
    p.drawEllipse(elbow, 3.2, 3.2);
    p.restore();
}

void drawLampBase(QPainter &p)
{
    const qreal bottom = deskTop + 3;
    QPainterPath dome(QPointF(12, bottom));
    dome.cubicTo(QPointF(12, bottom - 11), QPointF(40, bottom - 11), QPointF(40, bottom));
    dome.closeSubpath();
    QLinearGradient shine(0, bottom - 10, 0, bottom);
    shine.setColorAt(0, lampColour.lighter(120));
    shine.setColorAt(1, lampColour.darker(110));
    fillOutlined(p, dome, shine, lampColour.darker(160));
}

void drawLampShade(QPainter &p)
{
    p.save();
    p.setTransform(shadeFrame(), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 190));
    p.drawEllipse(QPointF(0, 14), 7, 4);
    QPainterPath shade(QPointF(-5, -6));
    shade.lineTo(5, -6);
    shade.lineTo(15, 16);
    shade.quadTo(0, 20, -15, 16);
    shade.closeSubpath();
    QLinearGradient shine(-15, 0, 15, 0);
    shine.setColorAt(0, lampColour.lighter(125));
    shine.setColorAt(1, lampColour.darker(115));
    fillOutlined(p, shade, shine, lampColour.darker(160));
    p.restore();
}

// --- candle ---

const QPointF flameBase(50, 27);

void drawCandleGlow(QPainter &p)
{
    QRadialGradient glow(flameBase - QPointF(0, 6), 28);
    glow.setColorAt(0, QColor(255, 230, 130, 210));
    glow.setColorAt(1, QColor(255, 230, 130, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(flameBase - QPointF(0, 6), 28, 28);
}

void drawCandleHolder(QPainter &p)
{
    const QColor brass(240, 188, 70);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outlineFor(brass), 4.2));
    p.drawEllipse(QPointF(80, 80), 6, 5);
    p.setPen(QPen(brass, 2.4));
    p.drawEllipse(QPointF(80, 80), 6, 5);
    p.restore();
    p.save();
    p.setBrush(brass);
    p.setPen(QPen(outlineFor(brass), 1.2));
    p.drawEllipse(QPointF(50, 84), 28, 7);
    p.restore();
    drawRoundedBox(p, QRectF(38, 76, 24, 7), 2, brass.lighter(110), 1.0);
}

void drawCandleStick(QPainter &p)
{
    QLinearGradient red(38, 0, 62, 0);
    red.setColorAt(0, QColor(250, 90, 80));
    red.setColorAt(0.45, QColor(255, 130, 115));
    red.setColorAt(1, QColor(200, 40, 45));
    drawRoundedBox(p, QRectF(40, 34, 20, 44), 3, QColor(220, 60, 60), 1.2);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(QRectF(40.6, 34.6, 18.8, 42.8), 2.6, 2.6);
    QPainterPath wax(QPointF(40, 36));
    wax.quadTo(QPointF(50, 31), QPointF(60, 36));
    wax.lineTo(60, 44);
    wax.quadTo(QPointF(57, 47), QPointF(55.5, 42));
    wax.quadTo(QPointF(51, 40), QPointF(47, 50));
    wax.quadTo(QPointF(44, 52), QPointF(44, 42));
    wax.quadTo(QPointF(42, 40), QPointF(40, 44));
    wax.closeSubpath();
    p.setBrush(QColor(255, 170, 160));
    p.drawPath(wax);
    p.restore();
}

void drawFlame(QPainter &p)
{
    p.setPen(QPen(QColor(60, 40, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(flameBase + QPointF(0, 1), flameBase + QPointF(0, 7));
    QPainterPath flame(flameBase - QPointF(0, 21));
    flame.cubicTo(flameBase + QPointF(4, -12), flameBase + QPointF(8, -6),
                  flameBase + QPointF(6, -1));
    flame.cubicTo(flameBase + QPointF(4, 3), flameBase + QPointF(-4, 3),
                  flameBase + QPointF(-6, -1));
    flame.cubicTo(flameBase + QPointF(-8, -6), flameBase + QPointF(-4, -12),
                  flameBase - QPointF(0, 21));
    QRadialGradient fire(flameBase - QPointF(0, 4), 16);
    fire.setColorAt(0, QColor(255, 250, 200));
    fire.setColorAt(0.45, QColor(255, 205, 60));
    fire.setColorAt(1, QColor(250, 120, 30));
    fillOutlined(p, flame, fire, QColor(235, 120, 30), 0.8);
}

} // namespace

// An upright piano: case, keyboard with black keys, music sheet, and a note in the air.
void drawPiano(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 91), 86);
    p.save();
    p.translate(0, 3);
    drawPianoCase(p);
    drawMusicSheet(p);
    drawPianoKeys(p);
    p.restore();
    drawOutlinedEmoji(p, QStringLiteral("🎵"), QPointF(79, 9), 11, 10);
}

// A red jelly on a plate with a cherry on top, wobbling.
void drawJelly(QPainter &p)
{
    drawPlate(p, QPointF(50, 80), 42, 10);
    QLinearGradient red(18, 0, 82, 0);
    red.setColorAt(0, QColor(214, 30, 70));
    red.setColorAt(0.4, QColor(255, 90, 120));
    red.setColorAt(1, QColor(200, 24, 60));
    fillOutlined(p, jellyBody(), red, QColor(150, 20, 50), 1.3);
    drawJellyShine(p);
    drawOutlinedEmoji(p, QStringLiteral("🍒"), QPointF(52, 21), 24);
    drawWobbleMarks(p);
}

// A drinking glass full of clear blue water.
void drawGlassOfWater(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 89), 54);
    drawGlassBody(p);
}

// A study lamp on a desk, its shade shining warm light down onto a book and a pencil.
void drawDeskLamp(QPainter &p)
{
    drawDesk(p);
    drawLightBeam(p);
    drawThingsOnDesk(p);
    drawLampArm(p);
    drawLampBase(p);
    drawLampShade(p);
}

// A blue sofa with two yellow throw pillows, and nothing else: the room it stands in is 客厅.
void drawSofa(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 84), 92);
    Furniture::drawSofa(p, QRectF(6, 30, 88, 54), QColor(66, 134, 214), QColor(255, 200, 70));
}

// A red candle in a brass holder, its flame glowing.
void drawCandle(QPainter &p)
{
    drawCandleGlow(p);
    drawGroundShadow(p, QPointF(50, 90), 60);
    drawCandleHolder(p);
    drawCandleStick(p);
    drawFlame(p);
}

} // namespace WordArt
