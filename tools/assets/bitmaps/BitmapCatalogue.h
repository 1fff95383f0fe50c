// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

// Every bitmap the game embeds, by resource number, with its exact pixel size and the function
// that draws it at a scale: 1 for the catalogue's own bitmap, 2 and 3 for the sharper variants
// of high-resolution screens, with scale times the pixels in each direction.
struct CatalogueEntry {
    int number;
    QSize size;
    std::function<QImage(int scale)> draw;
};

// All entries in increasing number: 101-108, 110-117, 121-124, 131, 132, 158-161, 163-165 and
// the word pictures 200-231.
std::vector<CatalogueEntry> bitmapCatalogue();
