// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ButtonPictures.h"

#include "EmojiArt.h"
#include "Figures.h"
#include "PaintKit.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// A round, water-bubble plate behind a stage button's figure: it shows the child where to
// click. Hovered, it brightens.
void drawBubble(QPainter &p, QPointF centre, qreal radius, const QColor &colour, bool hovered)
{
    if (hovered)
        PaintKit::glow(p, centre, radius + 4, QColor(255, 255, 230, 230));
    QRadialGradient fill(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.4);
    fill.setColorAt(0, hovered ? colour.lighter(112) : colour);
    fill.setColorAt(1, colour.darker(112));
    p.setPen(QPen(PaintKit::mix(Palette::board, QColor(40, 110, 160), 0.45), 1.5));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF inner(centre - QPointF(radius * 0.78, radius * 0.78),
                       QSizeF(radius * 1.56, radius * 1.56));
    p.drawArc(inner, 100 * 16, 60 * 16);
}

// Curved lines coming from a mouth: the tadpole is speaking.
void drawSoundWaves(QPainter &p, QPointF mouth, int count, const QColor &colour)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const qreal r = 12 + 6 * i;
        p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(mouth - QPointF(r, r), QSizeF(2 * r, 2 * r)), -40 * 16, 80 * 16);
    }
}

void drawHelpOval(QPainter &p, const QRectF &oval, bool hovered)
{
    const QColor top = hovered ? QColor(255, 232, 130) : QColor(255, 196, 86);
    const QColor bottom = hovered ? QColor(255, 176, 60) : QColor(238, 128, 36);
    QLinearGradient fill(oval.topLeft(), oval.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(150), 1.5));
    p.setBrush(fill);
    p.drawEllipse(oval);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, hovered ? 170 : 120));
    p.drawEllipse(QRectF(oval.left() + oval.width() * 0.2, oval.top() + 2.5, oval.width() * 0.6,
                         oval.height() * 0.3));
}

void drawQuestionMark(QPainter &p, QPointF centre, qreal size)
{
    QPainterPath mark;
    mark.addText(0, 0, PaintKit::boldFont(size), QStringLiteral("?"));
    p.save();
    p.translate(centre - mark.boundingRect().center());
    p.setPen(QPen(Palette::ink, 3.2, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(Palette::ink);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(mark);
    p.restore();
}

} // namespace

namespace ButtonPictures {

QImage tadpole(bool hovered, int scale)
{
    QImage picture = PaintKit::canvas(100, 100, Palette::board, scale);
    QPainter p(&picture);
    PaintKit::smooth(p);
    drawBubble(p, QPointF(50, 50), 46, QColor(214, 242, 255), hovered);
    const QPointF head(54, 48);
    const qreal radius = 19;
    Figures::drawTadpole(p, head, radius, hovered ? -1 : 1, hovered);
    const QPointF mouth = head + QPointF(radius * 0.62, radius * 0.36);
    if (hovered)
        drawSoundWaves(p, mouth, 3, QColor(250, 150, 40));
    else
        drawSoundWaves(p, mouth, 2, QColor(60, 130, 190));
    return picture;
}

QImage bee(bool hovered, int scale)
{
    QImage picture = PaintKit::canvas(98, 104, Palette::board, scale);
    QPainter p(&picture);
    PaintKit::smooth(p);
    drawBubble(p, QPointF(49, 52), 46, QColor(255, 246, 196), hovered);
    if (hovered) {
        // Lifting off: tilted up, a little higher, with speed lines trailing behind.
        p.setPen(QPen(QColor(250, 160, 50), 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(10, 52 + i * 10), QPointF(24, 48 + i * 10));
        EmojiArt::drawEmojiMirrored(p, QStringLiteral("🐝"), QPointF(52, 46), 74, -18);
    } else {
        EmojiArt::drawEmojiMirrored(p, QStringLiteral("🐝"), QPointF(49, 54), 70);
    }
    return picture;
}

QImage caterpillarWithCap(int scale)
{
    QImage picture = PaintKit::canvas(98, 116, Palette::board, scale);
    QPainter p(&picture);
    PaintKit::smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 130, 60));
    p.drawEllipse(QPointF(54, 106), 38, 6);
    EmojiArt::drawEmoji(p, QStringLiteral("🐛"), QPointF(52, 66), 84);
    EmojiArt::drawEmoji(p, QStringLiteral("🧢"), QPointF(31, 24), 36, -14);
    return picture;
}

QImage help(bool hovered, int scale)
{
    QImage picture = PaintKit::canvas(50, 35, Palette::window, scale);
    QPainter p(&picture);
    PaintKit::smooth(p);
    if (hovered)
        PaintKit::glow(p, QPointF(25, 17.5), 26, QColor(255, 236, 150, 220));
    drawHelpOval(p, QRectF(3, 2.5, 44, 30), hovered);
    drawQuestionMark(p, QPointF(25, 18), 24);
    return picture;
}

} // namespace ButtonPictures
