// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AssetFiles.h"

#include <QFile>
#include <QtEndian>

#include <cstdlib>

namespace {

uint32_t le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

uint16_t le16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString resourcePath(const QString &relative)
{
    return QStringLiteral(HK_SOURCE_DIR "/resources/") + relative;
}

std::optional<BitmapInfo> readBitmapInfo(const QString &path)
{
    const QByteArray bytes = readAll(path);
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return std::nullopt;
    return BitmapInfo{static_cast<int32_t>(le32(bytes, 18)),
                      std::abs(static_cast<int32_t>(le32(bytes, 22))), le16(bytes, 28),
                      static_cast<int>(le32(bytes, 30))};
}

std::optional<WaveInfo> readWaveInfo(const QString &path)
{
    const QByteArray bytes = readAll(path);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveInfo> info;
    double framesPerByte = 0;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const uint32_t size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && body + 16 <= bytes.size()) {
            info = WaveInfo{le16(bytes, body), le16(bytes, body + 2),
                            static_cast<int>(le32(bytes, body + 4)), le16(bytes, body + 14), 0};
            // IMA ADPCM counts frames per block; PCM has a fixed frame size.
            const uint16_t blockAlign = le16(bytes, body + 12);
            framesPerByte = info->formatTag == 0x11
                                ? (blockAlign ? le16(bytes, body + 18) / double(blockAlign) : 0)
                                : 8.0 / (info->channels * info->bitsPerSample);
        } else if (id == "data" && info && body + size <= static_cast<uint32_t>(bytes.size())) {
            info->seconds = size * framesPerByte / info->sampleRate;
            return info;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}
