#include "Resources.h"

#include "ResourceFile.h"

namespace Resources {

QImage bitmap(int id)
{
    QImage image = QImage::fromData(readResourceFile("bitmaps", id, "bmp"), "BMP");
    if (image.isNull())
        qFatal("Built-in picture %s is not a bitmap",
               qPrintable(resourceFilePath("bitmaps", id, "bmp")));
    return image;
}

QByteArray sound(int id)
{
    return readResourceFile("sounds", id, "wav");
}

} // namespace Resources
