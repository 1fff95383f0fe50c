// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmojiArt.h"
#include "WordPictureDrawers.h"
#include "WordPictureKit.h"

#include <QLinearGradient>
#include <QtMath>

#include <utility>

namespace WordArt {

namespace {

// Vertical ribs across a knitted band (cuffs, hem), drawn in the band's own frame.
void drawRibbing(QPainter &p, const QRectF &band, QColor colour)
{
    drawRoundedBox(p, band, 2, colour, 1.0);
    p.save();
    p.setPen(QPen(colour.darker(130), 0.8));
    for (qreal x = band.left() + 2.5; x < band.right() - 1; x += 3.0)
        p.drawLine(QPointF(x, band.top() + 1.2), QPointF(x, band.bottom() - 1.2));
    p.restore();
}

// --- short skirt: a flared skirt that ends in soft folds well above where a knee would be ---

constexpr qreal skirtWaist = 32, skirtHem = 68;
constexpr qreal hemLeft = 12, hemRight = 88;
constexpr int skirtFolds = 6;

qreal hemFoldX(int i)
{
    return hemLeft + (hemRight - hemLeft) * i / skirtFolds;
}

QPainterPath skirtShape()
{
    QPainterPath path(QPointF(33, skirtWaist));
    path.cubicTo(QPointF(26, 44), QPointF(16, 56), QPointF(hemLeft, skirtHem));
    for (int i = 0; i < skirtFolds; ++i)
        path.quadTo(QPointF((hemFoldX(i) + hemFoldX(i + 1)) / 2, skirtHem + 9),
                    QPointF(hemFoldX(i + 1), skirtHem));
    path.cubicTo(QPointF(84, 56), QPointF(74, 44), QPointF(67, skirtWaist));
    path.closeSubpath();
    return path;
}

void drawSkirtFolds(QPainter &p)
{
    p.save();
    p.setClipPath(skirtShape());
    p.setPen(QPen(QColor(200, 60, 110), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < skirtFolds; ++i) {
        const qreal waistX = 33 + 34.0 * i / skirtFolds;
        p.drawLine(QPointF(waistX, skirtWaist + 4), QPointF(hemFoldX(i), skirtHem + 1));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    for (int row = 0; row < 4; ++row) {
        for (int col = -1; col < 7; ++col) {
            const qreal x = 18 + col * 13 + (row % 2) * 6.5, y = 38 + row * 9;
            p.drawEllipse(QPointF(x, y), 1.8, 1.8);
        }
    }
    p.restore();
}

void drawBow(QPainter &p, QPointF knot, QColor ribbon)
{
    const QColor edge = outlineFor(ribbon);
    fillOutlined(p, polygonPath({knot, knot + QPointF(-8, -5), knot + QPointF(-8, 5)}), ribbon,
                 edge, 1.0);
    fillOutlined(p, polygonPath({knot, knot + QPointF(8, -5), knot + QPointF(8, 5)}), ribbon, edge,
                 1.0);
    p.setBrush(ribbon);
    p.setPen(QPen(edge, 1.0));
    p.drawEllipse(knot, 2.6, 2.6);
}

// --- sweater ---

const QColor sweaterRed(214, 62, 70);

QPainterPath sweaterShape()
{
    return polygonPath({QPointF(40, 16), QPointF(60, 16), QPointF(75, 21), QPointF(92, 62),
                        QPointF(80, 67), QPointF(71, 42), QPointF(71, 80), QPointF(29, 80),
                        QPointF(29, 42), QPointF(20, 67), QPointF(8, 62), QPointF(25, 21)});
}

void drawKnitStitches(QPainter &p)
{
    p.save();
    p.setClipPath(sweaterShape());
    p.setPen(QPen(sweaterRed.darker(122), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (qreal y = 22; y < 80; y += 5) {
        for (qreal x = 4; x < 96; x += 5) {
            p.drawLine(QPointF(x, y), QPointF(x + 2, y + 2.5));
            p.drawLine(QPointF(x + 2, y + 2.5), QPointF(x + 4, y));
        }
    }
    p.restore();
}

// A cream band across the chest with a row of red hearts, the classic jumper pattern.
void drawChestBand(QPainter &p)
{
    p.save();
    p.setClipPath(sweaterShape());
    p.fillRect(QRectF(0, 44, 100, 12), QColor(255, 244, 225));
    p.setPen(Qt::NoPen);
    p.setBrush(sweaterRed);
    for (qreal x = 36; x <= 64; x += 14) {
        QPainterPath heart(QPointF(x, 53.5));
        heart.cubicTo(QPointF(x - 6, 49), QPointF(x - 3, 44.5), QPointF(x, 47.5));
        heart.cubicTo(QPointF(x + 3, 44.5), QPointF(x + 6, 49), QPointF(x, 53.5));
        p.drawPath(heart);
    }
    p.restore();
}

void drawSweaterTrim(QPainter &p)
{
    const QColor rib = sweaterRed.darker(112);
    drawRibbing(p, QRectF(29, 74, 42, 8), rib);
    for (const auto &[centre, angle] :
         {std::pair{QPointF(14.5, 66.5), 23.0}, std::pair{QPointF(85.5, 66.5), -23.0}}) {
        p.save();
        p.translate(centre);
        p.rotate(angle);
        drawRibbing(p, QRectF(-7, -3.5, 14, 7), rib);
        p.restore();
    }
    p.save();
    p.setPen(QPen(rib.darker(115), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(39, 10, 22, 12), 200 * 16, 140 * 16);
    p.restore();
}

// --- overcoat: long, reaching almost to the ground, so it is never taken for a jacket ---

const QColor coatCamel(196, 134, 70);

QPainterPath coatBody()
{
    return polygonPath({QPointF(41, 11), QPointF(59, 11), QPointF(70, 16), QPointF(71, 36),
                        QPointF(77, 93), QPointF(23, 93), QPointF(29, 36), QPointF(30, 16)});
}

QPainterPath coatSleeve(bool left)
{
    const qreal s = left ? 1 : -1;
    const auto at = [s](qreal x, qreal y) { return QPointF(50 + s * (x - 50), y); };
    return polygonPath({at(30, 16), at(20, 21), at(12, 70), at(23, 72), at(30, 38)});
}

void drawCoatSleeves(QPainter &p)
{
    for (const bool left : {true, false}) {
        fillOutlined(p, coatSleeve(left), coatCamel.darker(108), coatCamel.darker(170));
        const qreal s = left ? 1 : -1;
        p.save();
        p.translate(50 + s * (17.5 - 50), 69);
        p.rotate(s * 4);
        drawRoundedBox(p, QRectF(-6.5, -3.5, 13, 6), 1.5, coatCamel.darker(130), 1.0);
        p.restore();
    }
}

void drawCoatLapels(QPainter &p)
{
    const QColor lapel = coatCamel.darker(118);
    fillOutlined(p,
                 polygonPath({QPointF(41, 11), QPointF(59, 11), QPointF(56, 16), QPointF(44, 16)}),
                 QColor(120, 70, 40), coatCamel.darker(170), 1.0);
    fillOutlined(p,
                 polygonPath({QPointF(41, 11), QPointF(34, 15), QPointF(41, 30), QPointF(52, 42)}),
                 lapel, coatCamel.darker(170), 1.0);
    fillOutlined(p,
                 polygonPath({QPointF(59, 11), QPointF(66, 15), QPointF(59, 30), QPointF(52, 42)}),
                 lapel, coatCamel.darker(170), 1.0);
}

void drawCoatBelt(QPainter &p)
{
    p.save();
    p.setClipPath(coatBody());
    p.fillRect(QRectF(0, 52, 100, 6), coatCamel.darker(125));
    p.setPen(QPen(coatCamel.darker(170), 0.8));
    p.drawLine(QPointF(0, 52), QPointF(100, 52));
    p.drawLine(QPointF(0, 58), QPointF(100, 58));
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 200, 90), 1.4));
    p.drawRoundedRect(QRectF(48, 51, 8, 8), 1.2, 1.2);
    p.restore();
}

void drawCoatButtonsAndPockets(QPainter &p)
{
    p.save();
    p.setPen(QPen(coatCamel.darker(170), 1.0));
    p.drawLine(QPointF(52, 42), QPointF(55, 93));
    p.drawLine(QPointF(31, 72), QPointF(42, 72));
    p.drawLine(QPointF(60, 72), QPointF(71, 72));
    p.setBrush(QColor(90, 55, 35));
    for (const qreal y : {46.0, 64.0, 78.0}) {
        p.drawEllipse(QPointF(45, y), 2.0, 2.0);
        p.drawEllipse(QPointF(61, y), 2.0, 2.0);
    }
    p.restore();
}

// --- wristwatch: worn on a wrist, so that it is 手表 and not a clock (钟表, word 31) ---

const QString raisedHand = QStringLiteral("🤚🏻");

// The colour of the glyph's wrist, its lowest opaque pixels, so the drawn arm meets the hand.
QColor wristColour()
{
    const QImage glyph = EmojiArt::emojiGlyph(raisedHand).convertToFormat(QImage::Format_ARGB32);
    qreal sum[3] = {0, 0, 0};
    int count = 0;
    for (int y = glyph.height() * 9 / 10; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x) {
            const QRgb pixel = glyph.pixel(x, y);
            if (qAlpha(pixel) == 255)
                sum[0] += qRed(pixel), sum[1] += qGreen(pixel), sum[2] += qBlue(pixel), ++count;
        }
    return count ? QColor(qRound(sum[0] / count), qRound(sum[1] / count), qRound(sum[2] / count))
                 : QColor(246, 212, 180);
}

// The strap wraps round the wrist: a band across the arm, darker towards its sides.
void drawStrap(QPainter &p, const QRectF &band)
{
    const QColor leather(150, 92, 52);
    QLinearGradient round(band.topLeft(), band.topRight());
    round.setColorAt(0, leather.darker(140));
    round.setColorAt(0.5, leather.lighter(110));
    round.setColorAt(1, leather.darker(140));
    QPainterPath strap;
    strap.addRoundedRect(band, 2, 2);
    fillOutlined(p, strap, round, outlineFor(leather), 1.0);
}

void drawWatchFace(QPainter &p, QPointF centre, qreal radius)
{
    drawRoundedBox(p, QRectF(centre.x() + radius - 1, centre.y() - 2, 4, 4), 1,
                   QColor(200, 204, 212), 0.8);
    p.setPen(QPen(QColor(110, 116, 128), 1.2));
    p.setBrush(QColor(214, 218, 226));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.8, radius * 0.8);
    p.setPen(QPen(QColor(60, 60, 70), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; hour += 3) {
        const qreal angle = qDegreesToRadians(30.0 * hour);
        const QPointF direction(qSin(angle), -qCos(angle));
        p.drawLine(centre + direction * radius * 0.6, centre + direction * radius * 0.72);
    }
    p.setPen(QPen(QColor(40, 40, 50), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -radius * 0.55));
    p.drawLine(centre, centre + QPointF(radius * 0.4, radius * 0.15));
    p.setBrush(QColor(220, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 1.2, 1.2);
}

} // namespace

// A pink flared short skirt with white polka dots, soft folds, a waistband and a bow.
void drawShortSkirt(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 86), 70);
    const QColor pink(255, 128, 170);
    fillOutlined(p, skirtShape(), pink, QColor(190, 60, 110), 1.3);
    drawSkirtFolds(p);
    QPainterPath band(QPointF(32, 25));
    band.quadTo(QPointF(50, 29), QPointF(68, 25));
    band.lineTo(68, 32);
    band.quadTo(QPointF(50, 36), QPointF(32, 32));
    band.closeSubpath();
    fillOutlined(p, band, QColor(214, 60, 120), QColor(160, 40, 90), 1.2);
    drawBow(p, QPointF(50, 30), Qt::white);
}

// A red knitted jumper: stitches all over, a heart band, ribbed collar, cuffs and hem, and
// a ball of wool.
void drawSweater(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 88), 60);
    fillOutlined(p, sweaterShape(), sweaterRed, sweaterRed.darker(160), 1.4);
    drawKnitStitches(p);
    drawChestBand(p);
    drawSweaterTrim(p);
    // The ball of wool it is knitted from: 毛衣, a woollen jumper, not just any 衣服.
    drawOutlinedEmoji(p, QStringLiteral("🧶"), QPointF(85, 85), 20);
}

// A long camel overcoat: lapels, two rows of buttons, a belt with a buckle and pockets, in
// falling snow.
void drawOvercoat(QPainter &p)
{
    // Snow falling round it: 大衣 is the thick coat for winter, not just any 衣服.
    drawOutlinedEmoji(p, QStringLiteral("❄️"), QPointF(11, 13), 11);
    drawOutlinedEmoji(p, QStringLiteral("❄️"), QPointF(89, 15), 11);
    drawOutlinedEmoji(p, QStringLiteral("❄️"), QPointF(76, 5), 7);
    drawGroundShadow(p, QPointF(50, 94), 62);
    drawCoatSleeves(p);
    fillOutlined(p, coatBody(), coatCamel, coatCamel.darker(170), 1.3);
    drawCoatButtonsAndPockets(p);
    drawCoatBelt(p);
    drawCoatLapels(p);
}

// A wristwatch on the wrist of a raised hand: a forearm from the card's lower edge, the strap
// wrapped round it and the face on top.
void drawWristwatch(QPainter &p)
{
    p.save();
    p.translate(50, 62);
    p.rotate(-20);
    const QColor skin = wristColour();
    QPainterPath arm;
    arm.addRoundedRect(QRectF(-11, -12, 22, 80), 10, 10);
    fillOutlined(p, arm, skin, skin.darker(150), 1.2);
    drawOutlinedEmoji(p, raisedHand, QPointF(0, -32), 44);
    drawStrap(p, QRectF(-13, -2, 26, 15));
    drawWatchFace(p, QPointF(0, 5.5), 12);
    p.restore();
}

} // namespace WordArt
