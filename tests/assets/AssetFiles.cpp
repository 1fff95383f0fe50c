#include "AssetFiles.h"

#include <QFile>

#include <cstring>

namespace {

uint32_t le32(const QByteArray &bytes, qsizetype at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

uint16_t le16(const QByteArray &bytes, qsizetype at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sample frames of an IMA ADPCM stream: whole blocks plus a partial last block.
double adpcmFrames(const QByteArray &bytes, qsizetype fmt, uint32_t dataSize)
{
    const uint16_t blockAlign = le16(bytes, fmt + 12);
    const uint16_t framesPerBlock = le16(bytes, fmt + 18);
    if (blockAlign == 0)
        return 0;
    return static_cast<double>(dataSize) / blockAlign * framesPerBlock;
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
    BitmapInfo info;
    info.width = static_cast<int32_t>(le32(bytes, 18));
    info.height = std::abs(static_cast<int32_t>(le32(bytes, 22)));
    info.bitsPerPixel = le16(bytes, 28);
    info.compression = static_cast<int>(le32(bytes, 30));
    return info;
}

std::optional<WaveInfo> readWaveInfo(const QString &path)
{
    const QByteArray bytes = readAll(path);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveInfo> info;
    qsizetype fmt = -1;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const uint32_t size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && body + 16 <= bytes.size()) {
            fmt = body;
            info = WaveInfo{le16(bytes, body), le16(bytes, body + 2),
                            static_cast<int>(le32(bytes, body + 4)), le16(bytes, body + 14), 0};
        } else if (id == "data" && info && body + size <= static_cast<uint32_t>(bytes.size())) {
            const double frames =
                info->formatTag == 0x11
                    ? adpcmFrames(bytes, fmt, size)
                    : size / (info->channels * info->bitsPerSample / 8.0);
            info->seconds = frames / info->sampleRate;
            return info;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}
