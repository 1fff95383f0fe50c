#include "EmojiArt.h"
#include "WordPictureDrawers.h"
#include "WordPictureKit.h"

#include <QRadialGradient>

namespace WordArt {

namespace {

// --- piggy bank: a glossy pink money pig seen from the side, snout to the left ---

const QColor piggyPink(250, 160, 186);
const QColor piggyDark(232, 118, 152);
const QColor piggyOutline(190, 80, 120);
const QPointF piggyCentre(53, 56);

void drawPiggyLegs(QPainter &p)
{
    for (const qreal x : {38.0, 68.0})
        drawRoundedBox(p, QRectF(x, 68, 9, 16), 3.5, piggyDark, 1.1);
    for (const qreal x : {28.0, 58.0})
        drawRoundedBox(p, QRectF(x, 69, 10, 17), 3.5, piggyPink, 1.1);
}

void drawPiggyBody(QPainter &p)
{
    QRadialGradient shine(piggyCentre - QPointF(10, 12), 40);
    shine.setColorAt(0, QColor(255, 214, 226));
    shine.setColorAt(1, piggyPink);
    QPainterPath body;
    body.addEllipse(piggyCentre, 32, 23);
    fillOutlined(p, body, shine, piggyOutline, 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(46, 41), 9, 3.2);
}

void drawPiggyFace(QPainter &p)
{
    QPainterPath ear(QPointF(32, 38));
    ear.quadTo(QPointF(24, 25), QPointF(30, 21));
    ear.quadTo(QPointF(40, 24), QPointF(45, 34));
    ear.closeSubpath();
    fillOutlined(p, ear, piggyDark, piggyOutline, 1.1);
    QPainterPath snout;
    snout.addEllipse(QPointF(22, 58), 6, 8.5);
    fillOutlined(p, snout, piggyDark, piggyOutline, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 50, 80));
    p.drawEllipse(QPointF(21.5, 54.5), 1.4, 2.0);
    p.drawEllipse(QPointF(21.5, 61.5), 1.4, 2.0);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(QPointF(34, 48), 2.4, 2.6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(34.8, 47.2), 0.8, 0.8);
    p.setBrush(QColor(255, 110, 140, 110));
    p.drawEllipse(QPointF(36, 59), 4, 2.8);
}

void drawPiggyTail(QPainter &p)
{
    QPainterPath curl(QPointF(84, 52));
    curl.cubicTo(QPointF(90, 50), QPointF(92, 44), QPointF(88, 42));
    curl.cubicTo(QPointF(84, 40), QPointF(83, 46), QPointF(88, 47));
    curl.quadTo(QPointF(92, 47), QPointF(94, 44));
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(piggyOutline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl);
    p.restore();
}

// A gold coin half-way into the slot on the pig's back.
void drawCoinGoingIn(QPainter &p)
{
    const QPointF slot(58, 34.5);
    p.save();
    p.setClipRect(QRectF(0, 0, 100, slot.y()));
    drawOutlinedEmoji(p, QStringLiteral("🪙"), slot - QPointF(0, 8), 22);
    p.restore();
    drawRoundedBox(p, QRectF(slot.x() - 9, slot.y() - 1.4, 18, 3), 1.5, QColor(110, 40, 70), 0.8);
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

// A pink piggy bank with a coin dropping into the slot on its back and another on the ground.
void drawPiggyBank(QPainter &p)
{
    drawGroundShadow(p, QPointF(52, 86), 66);
    drawPiggyLegs(p);
    drawPiggyTail(p);
    drawPiggyBody(p);
    drawPiggyFace(p);
    drawCoinGoingIn(p);
    drawOutlinedEmoji(p, QStringLiteral("🪙"), QPointF(86, 84), 13);
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
