// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

// Colour emoji glyphs from the "Noto Color Emoji" font, rendered at the font's own bitmap strike
// size and scaled down smoothly, for composing pictures with QPainter.
// All functions need a QGuiApplication (the offscreen platform is enough).
namespace EmojiArt {

// The glyph (or glyph sequence) at the font's native size, cropped to its visible pixels;
// ARGB32 premultiplied with a transparent background. Results are cached.
QImage emojiGlyph(const QString &emoji);

// The scale of the painter's transform: device pixels per logical unit.
qreal deviceScale(const QPainter &p);

// The glyph scaled smoothly, once, so that its longer side is devicePixels long.
QImage fittedGlyph(const QString &emoji, qreal devicePixels);

// Draws an image made at the painter's device resolution centred on centre, turned clockwise
// by rotationDegrees, without resampling it again (unless turned).
void drawDeviceImage(QPainter &p, const QImage &image, QPointF centre, qreal rotationDegrees = 0);

// The glyph scaled smoothly to fit a size x size square, centred, on a transparent background.
QImage renderEmoji(const QString &emoji, int size);

// Draws the glyph fitted into a size x size square centred on centre, turned clockwise by
// rotationDegrees, honouring the painter's current transform.
void drawEmoji(QPainter &p, const QString &emoji, QPointF centre, qreal size,
               qreal rotationDegrees = 0);

// Like drawEmoji, but mirrored left to right (for glyphs that face the wrong way).
void drawEmojiMirrored(QPainter &p, const QString &emoji, QPointF centre, qreal size,
                       qreal rotationDegrees = 0);

} // namespace EmojiArt
