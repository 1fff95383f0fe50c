#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

// Every bitmap the game embeds, by resource number, with its exact pixel size and the function
// that draws it.
struct CatalogueEntry {
    int number;
    QSize size;
    std::function<QImage()> draw;
};

// All entries in increasing number: 101-108, 110-117, 121-124, 131, 132, 158-161, 163-165 and
// the word pictures 200-231.
std::vector<CatalogueEntry> bitmapCatalogue();
