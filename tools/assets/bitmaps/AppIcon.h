// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <vector>

// The program's icon for desktops and menus: the kitten's face, looking at the viewer, on a tile
// of the board's sky blue. Each size is drawn afresh rather than scaled, so that the small ones
// stay readable: at 24 pixels and below the face fills the icon without a tile and keeps only
// the shapes that still read (ears, eyes, nose).
namespace AppIcon {

// The square sizes in pixels the desktop's icon theme has folders for, smallest first; the last
// one is the master.
std::vector<int> sizes();

// The icon, size x size, with a transparent background outside the tile.
QImage draw(int size);

} // namespace AppIcon
