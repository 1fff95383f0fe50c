// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaveDecoding.h"

#include <QtEndian>

#include <SDL.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace {

constexpr int BeepRate = 22050;
constexpr double BeepSeconds = 0.15;
constexpr double BeepHertz = 660.0;
constexpr double BeepVolume = 0.2;

constexpr int LowestFileRate = 8000;
constexpr int HighestFileRate = 192000;
constexpr int MostFileChannels = 2;
constexpr double LongestFileSeconds = 10.0;

// Every chunk of a file lies within it. SDL takes a chunk's declared length on trust when it
// allocates memory for the chunk, and a few bytes can declare gigabytes.
bool chunksFitTheFile(const QByteArray &wave)
{
    constexpr qsizetype ChunkHeader = 8;
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return false;
    qsizetype at = 12;
    while (at + ChunkHeader <= wave.size()) {
        const auto length = qFromLittleEndian<quint32>(wave.constData() + at + 4);
        if (length > static_cast<quint64>(wave.size() - at - ChunkHeader))
            return false;
        // Chunks start on even offsets.
        at += ChunkHeader + length + (length & 1);
    }
    return true;
}

// What a file may hold to be played: checked before anything is converted, because converting
// a sound at an absurd rate would ask for an absurd amount of memory.
bool sensibleForAFile(const SDL_AudioSpec &header, std::uint32_t size)
{
    if (header.freq < LowestFileRate || header.freq > HighestFileRate || header.channels < 1 ||
        header.channels > MostFileChannels)
        return false;
    const double bytesPerSecond =
        static_cast<double>(header.freq) * header.channels * (SDL_AUDIO_BITSIZE(header.format) / 8);
    return size / bytesPerSecond <= LongestFileSeconds;
}

std::optional<Samples> converted(const SDL_AudioSpec &source, const std::uint8_t *data,
                                 std::uint32_t size, const SampleFormat &target)
{
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, target.format,
                          target.channels, target.rate) < 0)
        return std::nullopt;
    const std::uint32_t frame = SDL_AUDIO_BITSIZE(source.format) / 8 * source.channels;
    if (frame == 0)
        return std::nullopt;
    size -= size % frame;
    if (size == 0 || !cvt.needed)
        return Samples(data, data + size);
    Samples samples(static_cast<std::size_t>(size) * static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(samples.data(), data, size);
    cvt.buf = samples.data();
    cvt.len = static_cast<int>(size);
    if (SDL_ConvertAudio(&cvt) < 0)
        return std::nullopt;
    samples.resize(static_cast<std::size_t>(cvt.len_cvt));
    return samples;
}

std::optional<Samples> decode(const QByteArray &wave, const SampleFormat &format, bool fromFile)
{
    if (wave.isEmpty() || wave.size() > std::numeric_limits<int>::max())
        return std::nullopt;
    SDL_RWops *source = SDL_RWFromConstMem(wave.constData(), static_cast<int>(wave.size()));
    if (!source)
        return std::nullopt;
    SDL_AudioSpec header{};
    Uint8 *data = nullptr;
    Uint32 size = 0;
    // SDL_LoadWAV_RW reads PCM and IMA ADPCM and closes the source itself.
    if (!SDL_LoadWAV_RW(source, 1, &header, &data, &size))
        return std::nullopt;
    std::optional<Samples> samples;
    if (!fromFile || sensibleForAFile(header, size))
        samples = converted(header, data, size, format);
    SDL_FreeWAV(data);
    return samples;
}

} // namespace

std::optional<Samples> decodeWave(const QByteArray &wave, const SampleFormat &format)
{
    return decode(wave, format, false);
}

std::optional<Samples> decodeWaveFile(const QByteArray &wave, const SampleFormat &format)
{
    if (wave.size() > MaxWaveFileBytes || !chunksFitTheFile(wave))
        return std::nullopt;
    return decode(wave, format, true);
}

Samples defaultBeep(const SampleFormat &format)
{
    const int count = static_cast<int>(BeepRate * BeepSeconds);
    std::vector<Sint16> tone(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / BeepRate;
        const double envelope = std::sin(std::numbers::pi * i / count);
        const double value =
            BeepVolume * envelope * envelope * std::sin(2 * std::numbers::pi * BeepHertz * t);
        tone[static_cast<std::size_t>(i)] = static_cast<Sint16>(value * 32767);
    }
    SDL_AudioSpec toneFormat{};
    toneFormat.freq = BeepRate;
    toneFormat.format = AUDIO_S16SYS;
    toneFormat.channels = 1;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(tone.data());
    return converted(toneFormat, bytes, static_cast<std::uint32_t>(tone.size() * sizeof(Sint16)),
                     format)
        .value_or(Samples());
}

std::chrono::milliseconds playingTime(const Samples &samples, const SampleFormat &format)
{
    const double bytesPerSecond =
        static_cast<double>(format.rate) * format.channels * (SDL_AUDIO_BITSIZE(format.format) / 8);
    const std::chrono::duration<double> seconds(static_cast<double>(samples.size()) /
                                                bytesPerSecond);
    return std::chrono::round<std::chrono::milliseconds>(seconds);
}
