// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

// Shared pieces for the word pictures. Every picture is drawn on a logical 100 x 100 canvas
// (the painter is scaled to the bitmap's real size), on a pastel rounded card.
namespace WordArt {

// Pastel card colours; each picture picks the one its object stands out best against.
namespace Tint {
inline const QColor cream(255, 246, 226);
inline const QColor mint(222, 245, 226);
inline const QColor peach(255, 228, 212);
inline const QColor lilac(236, 228, 250);
inline const QColor lemon(255, 246, 196);
inline const QColor sky(220, 238, 252);
inline const QColor blush(255, 230, 238);
} // namespace Tint

// The rounded card outline every picture is drawn in.
QPainterPath cardShape();

// Fills the card with a gentle top-to-bottom gradient of the tint.
void fillCard(QPainter &p, QColor tint);

// Outlines the card with a thin border a shade darker than the tint.
void strokeCard(QPainter &p, QColor tint);

// A soft oval shadow under an object standing on the ground line.
void drawGroundShadow(QPainter &p, QPointF centre, qreal width);

// An emoji fitted into a size x size box centred on centre and turned clockwise by
// rotationDegrees, in the drawn pictures' style: a dark outline in a deeper shade of its own
// edge colours, and its inner edges sharpened after the one smooth downscaling.
void drawOutlinedEmoji(QPainter &p, const QString &emoji, QPointF centre, qreal size,
                       qreal rotationDegrees = 0);

// An outlined emoji standing on groundY, fitted into a size x size box and horizontally
// centred on centreX, with a soft shadow under it.
void drawEmojiOnGround(QPainter &p, const QString &emoji, qreal centreX, qreal groundY, qreal size);

// The glyph of an emoji with its hue turned by hueDegrees (for differently coloured copies).
QImage hueShiftedEmoji(const QString &emoji, int hueDegrees);

// Draws an image (an emoji glyph) fitted into a size x size box centred on centre, outlined
// like drawOutlinedEmoji.
void drawFittedImage(QPainter &p, const QImage &image, QPointF centre, qreal size);

// A rounded-corner rectangle filled with fill and outlined with a darker pen of width penWidth.
void drawRoundedBox(QPainter &p, const QRectF &box, qreal radius, QColor fill,
                    qreal penWidth = 1.2);

// Fills a path with brush and outlines it with round joins.
void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &brush, QColor outline,
                  qreal penWidth = 1.2);

// A closed path through the points of a polygon.
QPainterPath polygonPath(const QPolygonF &polygon);

// Outline colour for a fill: the same hue, darker, so shapes keep a clear edge at small sizes.
QColor outlineFor(QColor fill);

} // namespace WordArt
