// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The icons painted on the board's track squares, one per square kind: an opaque 40 x 40 tile
// in a warm colour of its own with the figure on it, its corners in the board's colour.
namespace SquareIcons {

// kind 1: poem (a mushroom house), 2: teaching (a bee), 3: test (a tadpole), 4: event (a leaf),
// at scale times the pixels.
QImage icon(int kind, int scale);

} // namespace SquareIcons
