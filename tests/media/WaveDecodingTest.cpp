// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaveDecoding.h"
#include "ToneWave.h"

#include <SDL_audio.h>

#include <gtest/gtest.h>

#include <QtEndian>

#include <initializer_list>

namespace {

const SampleFormat Device{AUDIO_S16SYS, 2, 22050, 0};

TEST(WaveFiles, areDecodedOnlyWhenTheGameCanSensiblyPlayThem)
{
    EXPECT_TRUE(decodeWaveFile(waveImage(44100, 2, 16, QByteArray(44100 * 4, 0)), Device));
    EXPECT_TRUE(decodeWaveFile(waveImage(8000, 1, 8, QByteArray(8000 * 10, 0)), Device));
    struct Refused {
        const char *why;
        QByteArray wave;
    };
    const Refused refused[] = {
        {"a rate of 1 Hz", waveImage(1, 1, 8, QByteArray(2 * 1024 * 1024, 0))},
        {"above 192 kHz", waveImage(384000, 1, 8, QByteArray(1000, 0))},
        {"three channels", waveImage(22050, 3, 8, QByteArray(3000, 0))},
        {"longer than ten seconds", waveImage(8000, 1, 8, QByteArray(8000 * 11, 0))},
        {"bigger than a few MB", waveImage(96000, 2, 16, QByteArray(MaxWaveFileBytes, 0))},
    };
    for (const Refused &file : refused)
        EXPECT_FALSE(decodeWaveFile(file.wave, Device)) << file.why;
}

// One RIFF chunk, with the pad byte that follows a chunk of odd length.
QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray bytes(id);
    bytes.append(QByteArray(4, 0));
    qToLittleEndian<quint32>(static_cast<quint32>(body.size()), bytes.data() + 4);
    bytes.append(body);
    if (body.size() % 2 != 0)
        bytes.append('\0');
    return bytes;
}

QByteArray riff(std::initializer_list<QByteArray> chunks)
{
    QByteArray body("WAVE");
    for (const QByteArray &c : chunks)
        body.append(c);
    return chunk("RIFF", body);
}

// Sound editors save files with more chunks than the format and the samples, in any order;
// a chunk of odd length is followed by a pad byte. A step file saved so plays its samples.
TEST(WaveFiles, playWithOddChunksTheirPadsAndChunksInAnyOrder)
{
    const QByteArray plain = toneWave(0.1);
    const QByteArray format = plain.mid(12, 24);
    // 2205 samples of 8 bits: the data chunk is odd too.
    const QByteArray data = chunk("data", plain.mid(44));
    const QByteArray list = chunk("LIST", QByteArray("INFOISFT\x03\0\0\0HK", 14) + '!');
    const QByteArray fact = chunk("fact", QByteArray(4, 0));
    const auto expected = decodeWaveFile(riff({format, data}), Device);
    ASSERT_TRUE(expected);
    for (const QByteArray &wave : {riff({format, list, data}), riff({list, format, fact, data}),
                                   riff({format, data, list}), riff({format, fact, data, list})})
        EXPECT_EQ(decodeWaveFile(wave, Device), expected) << wave.toHex().left(120).constData();
}

} // namespace
