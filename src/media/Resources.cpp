// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Resources.h"

#include "ResourceFile.h"

#include <QHash>
#include <QtMath>

namespace Resources {

namespace {

// The designed pictures are bitmaps, NNN.bmp; the finer scales are PNGs beside them, NNN@2x.png.
QString picturePath(int id, int scale)
{
    if (scale == 1)
        return resourceFilePath("bitmaps", id, "bmp");
    return QStringLiteral(":/bitmaps/%1@%2x.png").arg(id, 3, 10, QLatin1Char('0')).arg(scale);
}

QImage decode(int id, int scale)
{
    const QString path = picturePath(id, scale);
    QImage image = QImage::fromData(readResourceFile(path), scale == 1 ? "BMP" : "PNG");
    if (image.isNull())
        qFatal("Built-in picture %s is not a picture", qPrintable(path));
    // One pixel format for all, the one the board and the buttons paint fastest.
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage bitmap(BitmapId picture, int scale)
{
    Q_ASSERT(scale >= 1 && scale <= FinestPictureScale);
    static QHash<int, QImage> decoded;
    const int key = picture.number * (FinestPictureScale + 1) + scale;
    auto found = decoded.constFind(key);
    if (found == decoded.constEnd())
        found = decoded.insert(key, decode(picture.number, scale));
    return *found;
}

int pictureScaleFor(qreal devicePixels)
{
    // A hair above a whole number is that number: scale factors such as 2.0000001 come from
    // dividing window sizes.
    return qBound(1, qCeil(devicePixels - 1e-6), FinestPictureScale);
}

QByteArray sound(SoundId sound)
{
    return readResourceFile(resourceFilePath("sounds", sound.number, "wav"));
}

} // namespace Resources
