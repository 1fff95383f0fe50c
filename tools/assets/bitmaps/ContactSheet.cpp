// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContactSheet.h"

#include "PaintKit.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QPainter>

#include <vector>

namespace {

constexpr int sheetWidth = 1400;
constexpr int padding = 10;
constexpr int labelHeight = 20;
constexpr int minimumCellWidth = 56;
const QColor neutral(150, 150, 150);

struct Placement {
    int number;
    QImage image;
    QRect cell;
};

QMap<int, QImage> readBitmaps(const QString &bmpDir)
{
    QMap<int, QImage> bitmaps;
    const QDir dir(bmpDir);
    for (const QString &name : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
        bool isNumber = false;
        const int number = name.chopped(4).toInt(&isNumber);
        const QImage image(dir.filePath(name));
        if (isNumber && !image.isNull())
            bitmaps.insert(number, image);
    }
    return bitmaps;
}

// Fills rows left to right, starting a new row when the next cell would pass the sheet's width;
// each row is as tall as its tallest cell.
std::vector<Placement> layOut(const QMap<int, QImage> &bitmaps)
{
    std::vector<Placement> placements;
    QPoint corner(0, 0);
    int rowHeight = 0;
    for (auto it = bitmaps.cbegin(); it != bitmaps.cend(); ++it) {
        const QSize cell(qMax(it->width(), minimumCellWidth) + 2 * padding,
                         it->height() + labelHeight + 2 * padding);
        if (corner.x() > 0 && corner.x() + cell.width() > sheetWidth) {
            corner = QPoint(0, corner.y() + rowHeight);
            rowHeight = 0;
        }
        placements.push_back({it.key(), it.value(), QRect(corner, cell)});
        corner.rx() += cell.width();
        rowHeight = qMax(rowHeight, cell.height());
    }
    return placements;
}

QSize sheetSize(const std::vector<Placement> &placements)
{
    QRect covered;
    for (const Placement &placement : placements)
        covered = covered.united(placement.cell);
    return covered.size();
}

void drawCell(QPainter &p, const Placement &placement)
{
    const QRect cell = placement.cell;
    p.drawText(QRect(cell.left(), cell.top() + padding / 2, cell.width(), labelHeight),
               Qt::AlignCenter, QString::number(placement.number));
    const int left = cell.center().x() + 1 - placement.image.width() / 2;
    p.drawImage(QPoint(left, cell.top() + padding + labelHeight), placement.image);
}

} // namespace

namespace ContactSheet {

bool write(const QString &bmpDir, const QString &pngPath)
{
    const QMap<int, QImage> bitmaps = readBitmaps(bmpDir);
    if (bitmaps.isEmpty())
        return false;
    const std::vector<Placement> placements = layOut(bitmaps);
    const QSize size = sheetSize(placements);
    QImage sheet = PaintKit::canvas(size.width(), size.height(), neutral);
    QPainter p(&sheet);
    p.setPen(QColor(30, 30, 30));
    p.setFont(PaintKit::boldFont(15));
    for (const Placement &placement : placements)
        drawCell(p, placement);
    p.end();
    return sheet.save(pngPath, "PNG");
}

} // namespace ContactSheet
