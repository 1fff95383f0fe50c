#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <numbers>

// A complete RIFF WAVE image of a quiet 440 Hz tone in 8-bit mono PCM at 22050 Hz, built in
// memory so that player tests do not depend on the game's recorded sounds.
inline QByteArray toneWave(double seconds)
{
    constexpr int Rate = 22050;
    const int frames = static_cast<int>(std::lround(seconds * Rate));
    QByteArray samples;
    for (int i = 0; i < frames; ++i)
        samples.append(static_cast<char>(
            128 + std::lround(38 * std::sin(2 * std::numbers::pi * 440.0 * i / Rate))));
    QByteArray wave("RIFF");
    auto append = [&wave]<typename T>(T value) {
        wave.append(QByteArray(sizeof(T), 0));
        qToLittleEndian(value, wave.end() - sizeof(T));
    };
    auto append32 = [&append](std::uint32_t value) { append(value); };
    auto append16 = [&append](std::uint16_t value) { append(value); };
    append32(static_cast<std::uint32_t>(36 + samples.size()));
    wave.append("WAVEfmt ");
    append32(16);
    append16(1);    // PCM
    append16(1);    // mono
    append32(Rate); // frames per second
    append32(Rate); // bytes per second
    append16(1);    // block align
    append16(8);    // bits per sample
    wave.append("data");
    append32(static_cast<std::uint32_t>(samples.size()));
    wave.append(samples);
    return wave;
}
