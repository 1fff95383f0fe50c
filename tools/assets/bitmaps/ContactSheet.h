// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

// A review sheet: one PNG showing every NNN.bmp of a folder at its own size, in number order,
// packed in rows on a neutral grey, each labelled with its number.
namespace ContactSheet {

// Reads the bitmaps of bmpDir and writes the sheet to pngPath. False if there are no bitmaps
// or the sheet can't be written.
bool write(const QString &bmpDir, const QString &pngPath);

} // namespace ContactSheet
