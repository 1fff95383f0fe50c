// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// Reads the headers of the committed asset files as the game's loaders will see them.

struct BitmapInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int compression = -1;
};

struct WaveInfo {
    int formatTag = 0; // 1 = PCM, 0x11 = IMA ADPCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    double seconds = 0;
};

// The path of a file under the repository's resources folder.
QString resourcePath(const QString &relative);
// The header of a Windows bitmap file, or nothing when the file is missing or not a bitmap.
std::optional<BitmapInfo> readBitmapInfo(const QString &path);
// The format and length of a RIFF WAVE file, or nothing when it is missing or malformed.
std::optional<WaveInfo> readWaveInfo(const QString &path);
