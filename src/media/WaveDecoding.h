// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

// Samples in the layout of the sound device, ready to be copied to it.
using Samples = std::vector<std::uint8_t>;

// The sample layout of the sound device (SDL's format code, channels, rate) and the byte value
// of its silence.
struct SampleFormat {
    std::uint16_t format = 0;
    std::uint8_t channels = 0;
    int rate = 0;
    std::uint8_t silence = 0;
};

// A RIFF WAVE image (PCM or IMA ADPCM) decoded and converted to format, in full; nothing when
// it cannot be decoded. For the game's own sounds.
std::optional<Samples> decodeWave(const QByteArray &wave, const SampleFormat &format);

// A WAVE file from outside the program, such as the step sound beside it, is decoded only if
// the game can sensibly play it: at most MaxWaveFileBytes, 8 to 192 kHz, one or two channels,
// at most ten seconds. Anything else gives nothing, at once and with bounded memory.
constexpr qsizetype MaxWaveFileBytes = 8 * 1024 * 1024;
std::optional<Samples> decodeWaveFile(const QByteArray &wave, const SampleFormat &format);

// A soft 0.15 s tone that swells and fades, standing in for sounds that cannot be played.
Samples defaultBeep(const SampleFormat &format);

std::chrono::milliseconds playingTime(const Samples &samples, const SampleFormat &format);
