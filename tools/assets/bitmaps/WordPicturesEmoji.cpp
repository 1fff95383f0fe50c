// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmojiArt.h"
#include "WordPictureDrawers.h"
#include "WordPictureKit.h"

namespace WordArt {

namespace {

constexpr qreal ground = 90.0;

} // namespace

void drawBag(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🛍️"), 50, ground, 80);
}

void drawCake(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🎂"), 50, ground, 80);
}

void drawTelephone(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("☎️"), 50, ground - 4, 80);
}

// A desktop computer: the screen with the keyboard and the mouse in front of it.
void drawComputer(QPainter &p)
{
    drawGroundShadow(p, QPointF(50, 89), 84);
    drawOutlinedEmoji(p, QStringLiteral("🖥️"), QPointF(50, 38), 66);
    drawOutlinedEmoji(p, QStringLiteral("⌨️"), QPointF(42, 80), 56);
    drawOutlinedEmoji(p, QStringLiteral("🖱️"), QPointF(83, 81), 17);
}

void drawRiceBowl(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🍚"), 46, ground - 2, 74);
    drawOutlinedEmoji(p, QStringLiteral("🥢"), QPointF(64, 42), 50, 8);
}

void drawGiftBox(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🎁"), 50, ground, 78);
}

void drawHat(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("👒"), 50, ground - 8, 84);
}

void drawBread(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🍞"), 50, ground, 76);
}

// A pair of shoes: one behind and to the right of the other.
void drawLeatherShoes(QPainter &p)
{
    const QString shoe = QStringLiteral("👞");
    drawGroundShadow(p, QPointF(56, 70), 62);
    drawOutlinedEmoji(p, shoe, QPointF(58, 50), 62);
    drawEmojiOnGround(p, shoe, 44, 84, 66);
}

// Three balloons of different colours with their strings gathered together.
void drawBalloons(QPainter &p)
{
    const QString balloon = QStringLiteral("🎈");
    drawFittedImage(p, hueShiftedEmoji(balloon, 210), QPointF(30, 38), 54);
    drawFittedImage(p, hueShiftedEmoji(balloon, 50), QPointF(70, 36), 54);
    drawOutlinedEmoji(p, balloon, QPointF(50, 52), 70);
}

void drawPencil(QPainter &p)
{
    drawOutlinedEmoji(p, QStringLiteral("✏️"), QPointF(50, 50), 84);
}

void drawBroom(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🧹"), 50, ground, 86);
}

void drawGloves(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🧤"), 50, ground, 80);
}

void drawBook(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("📖"), 50, ground - 12, 84);
}

void drawSocks(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🧦"), 50, ground, 80);
}

// A mantel clock, the clock a child calls 钟表 (an alarm clock with bells would be 闹钟).
void drawClock(QPainter &p)
{
    drawEmojiOnGround(p, QStringLiteral("🕰️"), 50, ground, 82);
}

} // namespace WordArt
