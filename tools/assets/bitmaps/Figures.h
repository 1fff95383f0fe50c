// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

// Figures drawn from shapes that several pictures share, in the flat, softly shaded look of the
// emoji they sit beside.
namespace Figures {

// A leaf from its stalk end base to its tip, width across at the widest, with a midrib and
// veins, shaded from light (upper side) to dark.
void drawLeaf(QPainter &p, QPointF base, QPointF tip, qreal width, const QColor &light,
              const QColor &dark);

// A tadpole facing right: a round head of the given radius with a big eye and a wavy tail
// behind it. wave bends the tail up (+1) or down (-1); mouthOpen draws it calling out.
void drawTadpole(QPainter &p, QPointF headCentre, qreal radius, qreal wave, bool mouthOpen);

// A little house in a mushroom: red spotted cap for a roof, a cream stem with door and window.
void drawMushroomHouse(QPainter &p, const QRectF &box);

} // namespace Figures
