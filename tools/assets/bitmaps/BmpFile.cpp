// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BmpFile.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr quint32 pixelsPerMetre = 2835; // 72 dots per inch

void appendLe16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendLe32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray headers(int width, int height, int imageBytes)
{
    QByteArray out;
    out.append("BM", 2);
    appendLe32(out, fileHeaderSize + infoHeaderSize + imageBytes);
    appendLe32(out, 0);
    appendLe32(out, fileHeaderSize + infoHeaderSize);
    appendLe32(out, infoHeaderSize);
    appendLe32(out, width);
    appendLe32(out, height); // positive height: rows are stored bottom-up
    appendLe16(out, 1);      // planes
    appendLe16(out, 24);     // bits per pixel
    appendLe32(out, 0);      // BI_RGB, uncompressed
    appendLe32(out, imageBytes);
    appendLe32(out, pixelsPerMetre);
    appendLe32(out, pixelsPerMetre);
    appendLe32(out, 0); // colours used
    appendLe32(out, 0); // important colours
    return out;
}

} // namespace

namespace BmpFile {

bool write24Bit(const QImage &image, const QString &path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (rgb.width() * 3 + 3) & ~3;
    QByteArray data = headers(rgb.width(), rgb.height(), rowBytes * rgb.height());
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = char(qBlue(pixels[x]));
            row[3 * x + 1] = char(qGreen(pixels[x]));
            row[3 * x + 2] = char(qRed(pixels[x]));
        }
        data.append(row);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace BmpFile
