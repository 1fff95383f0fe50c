// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>

class QPainter;

// Small drawing helpers used by every picture: opaque canvases, transparent layers, sticker
// outlines, soft glows, the bold font of digits and marks, and a repeatable scatter of points.
namespace PaintKit {

// An opaque RGB32 picture filled with background; every bitmap starts from one of these. At a
// scale above 1 it has scale times the pixels in each direction and that device pixel ratio, so
// a painter on it still draws in width x height units, only finer.
QImage canvas(int width, int height, const QColor &background, int scale = 1);

// A fully transparent ARGB32 premultiplied layer for composing a figure before outlining it.
QImage layer(int width, int height);

// Turns on anti-aliasing and smooth image scaling.
void smooth(QPainter &p);

// The layer with a solid band of colour, width pixels wide, around its visible pixels.
QImage outlined(const QImage &figure, const QColor &colour, qreal width);

// A round, soft-edged light of colour fading to transparent, centred on centre.
void glow(QPainter &p, QPointF centre, qreal radius, const QColor &colour);

// DejaVu Sans Bold at pixelSize: clear, rounded digits and question marks.
QFont boldFont(qreal pixelSize);

// a moved towards b by t (0 gives a, 1 gives b).
QColor mix(const QColor &a, const QColor &b, qreal t);

// A fixed pseudo-random sequence (a 32-bit linear congruential generator), so scattered rain
// drops, grass blades and dots land on the same pixels on every run and every machine.
class Scatter {
public:
    explicit Scatter(quint32 seed) : state(seed) {}
    // The next number, uniform in [low, high).
    qreal between(qreal low, qreal high);

private:
    quint32 state;
};

} // namespace PaintKit
