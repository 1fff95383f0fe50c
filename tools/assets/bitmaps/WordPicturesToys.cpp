// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmojiArt.h"
#include "WordPictureDrawers.h"
#include "WordPictureKit.h"

#include <QRadialGradient>

namespace WordArt {

namespace {

// --- money jar: a glass jar of coins with a slot in its lid, a coin dropping in ---

const QColor glassEdge(120, 170, 200);
const QColor lidGold(236, 186, 70);

QPainterPath jarBody()
{
    QPainterPath jar(QPointF(30, 34));
    jar.lineTo(70, 34);
    jar.cubicTo(QPointF(80, 38), QPointF(82, 46), QPointF(82, 54));
    jar.lineTo(82, 80);
    jar.quadTo(QPointF(82, 90), QPointF(72, 90));
    jar.lineTo(28, 90);
    jar.quadTo(QPointF(18, 90), QPointF(18, 80));
    jar.lineTo(18, 54);
    jar.cubicTo(QPointF(18, 46), QPointF(20, 38), QPointF(30, 34));
    return jar;
}

// Coins heaped in the jar, lying at different tilts, seen through the glass.
void drawCoinsInJar(QPainter &p)
{
    p.save();
    p.setClipPath(jarBody());
    const struct {
        QPointF centre;
        qreal angle;
    } coins[] = {{{28, 84}, -20}, {{42, 86}, 10}, {{56, 85}, -8}, {{70, 84}, 24}, {{34, 76}, 30},
                 {{49, 75}, -14}, {{64, 76}, 8},  {{41, 66}, -6}, {{57, 66}, 18}, {{50, 58}, 0}};
    for (const auto &coin : coins)
        drawOutlinedEmoji(p, QStringLiteral("🪙"), coin.centre, 17, coin.angle);
    p.restore();
}

void drawGlass(QPainter &p)
{
    p.save();
    p.setPen(QPen(glassEdge, 1.4));
    p.setBrush(QColor(220, 240, 255, 70));
    p.drawPath(jarBody());
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 52), QPointF(24, 80));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(76, 56), QPointF(76, 66));
    p.restore();
}

// The lid with its slot, and a coin half-way into the slot.
void drawLidWithCoin(QPainter &p)
{
    drawRoundedBox(p, QRectF(27, 26, 46, 10), 3, lidGold, 1.2);
    p.fillRect(QRectF(29, 30, 42, 1.2), lidGold.darker(115));
    const QPointF slot(50, 27.5);
    p.save();
    p.setClipRect(QRectF(0, 0, 100, slot.y()));
    drawOutlinedEmoji(p, QStringLiteral("🪙"), slot - QPointF(0, 7), 20);
    p.restore();
    drawRoundedBox(p, QRectF(slot.x() - 10, slot.y() - 1.4, 20, 3), 1.5, QColor(90, 60, 20), 0.8);
}

// One more coin falling towards the slot, with two strokes that show it drop.
void drawFallingCoin(QPainter &p)
{
    drawOutlinedEmoji(p, QStringLiteral("🪙"), QPointF(72, 10), 14, 20);
    p.save();
    p.setPen(QPen(QColor(200, 150, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(82, 2), QPointF(80, 6));
    p.drawLine(QPointF(85, 6), QPointF(83, 10));
    p.restore();
}

// --- doll: a rag doll sitting with its legs out, button eyes and woollen plaits ---

const QColor dollSkin(255, 224, 200);
const QColor dollHair(226, 112, 48);
const QColor dollDress(74, 146, 226);

void drawDollLegs(QPainter &p)
{
    for (const auto &[x, angle] : {std::pair{40.0, 12.0}, std::pair{60.0, -12.0}}) {
        p.save();
        p.translate(x, 72);
        p.rotate(angle);
        const QRectF leg(-4.5, 0, 9, 17);
        drawRoundedBox(p, leg, 4, Qt::white, 1.0);
        p.setClipRect(leg);
        for (qreal y = 2; y < 17; y += 5)
            p.fillRect(QRectF(-5, y, 10, 2.4), QColor(230, 70, 80));
        p.setClipping(false);
        drawRoundedBox(p, QRectF(-6.5, 14.5, 13, 7), 3.5, QColor(180, 40, 60), 1.0);
        p.restore();
    }
}

void drawDollArms(QPainter &p)
{
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF shoulder(50 + side * 10, 48), hand(50 + side * 24, 64);
        p.setPen(QPen(dollDress.darker(140), 8.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(shoulder, hand);
        p.setPen(QPen(dollDress, 6.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(shoulder, hand);
        p.setPen(QPen(dollSkin.darker(140), 1.0));
        p.setBrush(dollSkin);
        p.drawEllipse(hand + QPointF(side * 1.5, 1.5), 4, 4);
    }
}

QPainterPath dollDressShape()
{
    QPainterPath dress(QPointF(41, 44));
    dress.lineTo(59, 44);
    dress.lineTo(73, 76);
    dress.quadTo(QPointF(50, 82), QPointF(27, 76));
    dress.closeSubpath();
    return dress;
}

void drawDollDress(QPainter &p)
{
    fillOutlined(p, dollDressShape(), dollDress, dollDress.darker(160), 1.2);
    p.save();
    p.setClipPath(dollDressShape());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (const QPointF dot :
         {QPointF(44, 56), QPointF(56, 54), QPointF(50, 64), QPointF(38, 68), QPointF(62, 67)})
        p.drawEllipse(dot, 1.8, 1.8);
    p.setPen(QPen(Qt::white, 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    QPainterPath hem(QPointF(27, 73.5));
    hem.quadTo(QPointF(50, 79.5), QPointF(73, 73.5));
    p.drawPath(hem);
    p.restore();
    p.setPen(QPen(QColor(200, 200, 210), 0.8));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(45.5, 45), 5, 3.5);
    p.drawEllipse(QPointF(54.5, 45), 5, 3.5);
}

void drawDollPlaits(QPainter &p)
{
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath plait;
        plait.addEllipse(QPointF(50 + side * 19, 36), 5, 10);
        fillOutlined(p, plait, dollHair, dollHair.darker(150), 1.0);
        p.setPen(QPen(dollHair.darker(130), 0.8));
        for (qreal y = 30; y <= 42; y += 4)
            p.drawLine(QPointF(50 + side * 16, y), QPointF(50 + side * 22, y + 2));
        p.setPen(QPen(QColor(200, 50, 100), 1.0));
        p.setBrush(QColor(255, 120, 170));
        p.drawEllipse(QPointF(50 + side * 18, 25), 3.2, 2.6);
    }
}

void drawDollHead(QPainter &p)
{
    QPainterPath head;
    head.addEllipse(QPointF(50, 29), 15, 15);
    fillOutlined(p, head, dollSkin, dollSkin.darker(150), 1.1);
    QPainterPath fringe(QPointF(33, 27));
    for (qreal x = 33; x < 67; x += 6.8)
        fringe.quadTo(QPointF(x + 3.4, 31), QPointF(x + 6.8, 26));
    fringe.lineTo(70, 0);
    fringe.lineTo(30, 0);
    fringe.closeSubpath();
    fillOutlined(p, head.intersected(fringe), dollHair, dollHair.darker(150), 1.0);
}

void drawDollFace(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QPointF(44.5, 32), 2.6, 2.6);
    p.drawEllipse(QPointF(55.5, 32), 2.6, 2.6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(45.3, 31.2), 0.8, 0.8);
    p.drawEllipse(QPointF(56.3, 31.2), 0.8, 0.8);
    p.setBrush(QColor(255, 110, 130, 120));
    p.drawEllipse(QPointF(40.5, 37), 3, 2.2);
    p.drawEllipse(QPointF(59.5, 37), 3, 2.2);
    p.setPen(QPen(QColor(200, 40, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(45.5, 33, 9, 6), 200 * 16, 140 * 16);
}

} // namespace

// A money jar: a glass jar heaped with coins, a coin going into the slot in its lid and another
// falling after it. A piggy bank would be named 小猪 first; a jar of coins is 钱罐.
void drawMoneyJar(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 90), 70);
    drawCoinsInJar(p);
    drawGlass(p);
    drawLidWithCoin(p);
    drawFallingCoin(p);
}

// A rag doll sitting up: button eyes, woollen plaits with bows, a spotted dress, striped legs.
void drawDoll(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 92), 52);
    drawDollLegs(p);
    drawDollArms(p);
    drawDollDress(p);
    drawDollPlaits(p);
    drawDollHead(p);
    drawDollFace(p);
}

} // namespace WordArt
