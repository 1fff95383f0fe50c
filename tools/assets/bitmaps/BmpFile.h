// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QImage;
class QString;

// Writes pictures as uncompressed 24-bit Windows bitmaps (BITMAPINFOHEADER, bottom-up rows
// padded to four bytes), the only format the game's resources use. Written by hand rather than
// through QImageWriter so the header fields are fixed and every run gives the same bytes.
namespace BmpFile {

// Writes image (any format; alpha is ignored) to path. Returns false if the file can't be written.
bool write24Bit(const QImage &image, const QString &path);

} // namespace BmpFile
