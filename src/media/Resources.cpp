#include "Resources.h"

#include <QFile>

namespace {

QString resourcePath(const char *folder, int id, const char *suffix)
{
    return QStringLiteral(":/%1/%2.%3")
        .arg(QLatin1String(folder))
        .arg(id, 3, 10, QLatin1Char('0'))
        .arg(QLatin1String(suffix));
}

// A resource is part of the program; failing to read one means the build is broken.
[[noreturn]] void missing(const QString &path)
{
    qFatal("Built-in resource %s is missing or unreadable", qPrintable(path));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        missing(path);
    return file.readAll();
}

} // namespace

namespace Resources {

QImage bitmap(int id)
{
    const QString path = resourcePath("bitmaps", id, "bmp");
    QImage image(path);
    if (image.isNull())
        missing(path);
    return image;
}

QByteArray sound(int id)
{
    return readAll(resourcePath("sounds", id, "wav"));
}

QString string(int id)
{
    return QString::fromUtf8(readAll(resourcePath("strings", id, "txt")));
}

} // namespace Resources
