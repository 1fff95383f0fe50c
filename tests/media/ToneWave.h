// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <numbers>

// A complete RIFF WAVE image of PCM samples in any layout, built in memory.
inline QByteArray waveImage(int rate, int channels, int bits, const QByteArray &samples)
{
    QByteArray wave("RIFF");
    auto append = [&wave]<typename T>(T value) {
        wave.append(QByteArray(sizeof(T), 0));
        qToLittleEndian(value, wave.end() - sizeof(T));
    };
    const auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    append(static_cast<std::uint32_t>(36 + samples.size()));
    wave.append("WAVEfmt ");
    append(std::uint32_t{16});
    append(std::uint16_t{1}); // PCM
    append(static_cast<std::uint16_t>(channels));
    append(static_cast<std::uint32_t>(rate));
    append(static_cast<std::uint32_t>(rate * blockAlign));
    append(blockAlign);
    append(static_cast<std::uint16_t>(bits));
    wave.append("data");
    append(static_cast<std::uint32_t>(samples.size()));
    wave.append(samples);
    return wave;
}

// A quiet 440 Hz tone in 8-bit mono PCM at 22050 Hz, so that player tests do not depend on
// the game's recorded sounds.
inline QByteArray toneWave(double seconds)
{
    constexpr int Rate = 22050;
    const int frames = static_cast<int>(std::lround(seconds * Rate));
    QByteArray samples;
    for (int i = 0; i < frames; ++i)
        samples.append(static_cast<char>(
            128 + std::lround(38 * std::sin(2 * std::numbers::pi * 440.0 * i / Rate))));
    return waveImage(Rate, 1, 8, samples);
}
