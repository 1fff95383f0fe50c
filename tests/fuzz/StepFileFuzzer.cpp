// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the bytes of a sound file handed to the game's file playback, such as
// the step sound beside the program: whatever they are, decoding ends at once with bounded
// memory, and what it gives is whole frames of at most the longest sound a file may hold.

#include "WaveDecoding.h"

#include <SDL_audio.h>

#include <cstdint>
#include <cstdlib>

namespace {

const SampleFormat Device{AUDIO_S16SYS, 2, 22050, 0};
constexpr std::size_t FrameBytes = 4;
// Ten seconds, with room for the converter's rounding.
constexpr std::size_t MostBytes = 11 * 22050 * FrameBytes;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<Samples> samples = decodeWaveFile(file, Device);
    if (samples && (samples->size() % FrameBytes != 0 || samples->size() > MostBytes))
        std::abort();
    return 0;
}
