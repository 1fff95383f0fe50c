// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;
class QPainterPath;

// Landscape pieces for the 300 x 300 scenes: skies, hills, grass, clouds, sun, rain, rainbow.
// Each paints straight onto the scene with the painter's current transform.
namespace Backdrop {

constexpr int sceneSize = 300;

// The whole scene filled with a sky that fades from top (at the top) to bottom (at horizon).
void sky(QPainter &p, const QColor &top, const QColor &bottom, qreal horizon);

// A rolling hill band whose top wanders around crest, filled down to the bottom of the scene.
void hill(QPainter &p, qreal crest, qreal swell, qreal phase, const QColor &top,
          const QColor &bottom);

// Tufts of grass blades scattered between the heights top and bottom.
void grass(QPainter &p, qreal top, qreal bottom, int tufts, quint32 seed, const QColor &colour);

// A puffy cloud of width pixels centred on centre.
void cloud(QPainter &p, QPointF centre, qreal width, const QColor &colour);

// A smiling sun with a warm glow around it.
void sun(QPainter &p, QPointF centre, qreal size);

// Slanted rain streaks over area, left out wherever shelter covers.
void rain(QPainter &p, const QRectF &area, int drops, quint32 seed, const QPainterPath &shelter);

// A flat puddle with rings where drops land.
void puddle(QPainter &p, QPointF centre, qreal width);

// A rainbow arc around centre, outermost band at radius.
void rainbow(QPainter &p, QPointF centre, qreal radius, qreal bandWidth);

// Leafy treetops hanging across the top edge, for a forest seen from its floor.
void canopy(QPainter &p, quint32 seed);

// A pale veil over the whole scene, to push what is already drawn into the distance.
void haze(QPainter &p, const QColor &colour, int alpha);

} // namespace Backdrop
