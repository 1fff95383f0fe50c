#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace ToneWaveDetail {

template <typename T>
void appendLittleEndian(QByteArray &bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

} // namespace ToneWaveDetail

// A complete RIFF WAVE image of a quiet 440 Hz tone in 8-bit or 16-bit PCM, built in memory so
// that player tests do not depend on the game's recorded sounds.
inline QByteArray toneWave(double seconds, int rate = 22050, int bits = 8, int channels = 1)
{
    using ToneWaveDetail::appendLittleEndian;
    const int frames = static_cast<int>(std::lround(seconds * rate));
    const int blockAlign = channels * bits / 8;
    QByteArray samples;
    for (int i = 0; i < frames; ++i) {
        const double value = 0.3 * std::sin(2 * std::numbers::pi * 440.0 * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                samples.append(static_cast<char>(128 + std::lround(value * 127)));
            else
                appendLittleEndian(samples, static_cast<std::int16_t>(std::lround(value * 32767)));
        }
    }
    QByteArray wave("RIFF");
    appendLittleEndian(wave, static_cast<std::uint32_t>(36 + samples.size()));
    wave.append("WAVEfmt ");
    appendLittleEndian(wave, std::uint32_t{16});
    appendLittleEndian(wave, std::uint16_t{1});
    appendLittleEndian(wave, static_cast<std::uint16_t>(channels));
    appendLittleEndian(wave, static_cast<std::uint32_t>(rate));
    appendLittleEndian(wave, static_cast<std::uint32_t>(rate * blockAlign));
    appendLittleEndian(wave, static_cast<std::uint16_t>(blockAlign));
    appendLittleEndian(wave, static_cast<std::uint16_t>(bits));
    wave.append("data");
    appendLittleEndian(wave, static_cast<std::uint32_t>(samples.size()));
    wave.append(samples);
    return wave;
}
