// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Pieces of furniture drawn from shapes in the word pictures' style, shared by the pictures of
// the things themselves and of the rooms they stand in (沙发 and 客厅, 床 in 卧室).
namespace Furniture {

// A sofa seen from the front, filling box: a cushioned back, two seat cushions between two
// rounded arms, short dark legs, and two throw pillows in pillowColour.
void drawSofa(QPainter &p, const QRectF &box, QColor fabric, QColor pillowColour);

// A wardrobe standing in box: two doors with knobs, a cornice on top and a plinth below.
void drawWardrobe(QPainter &p, const QRectF &box, QColor wood);

// A low tea table whose top spans top (its legs reach down to floorY).
void drawTeaTable(QPainter &p, const QRectF &top, qreal floorY, QColor wood);

} // namespace Furniture
