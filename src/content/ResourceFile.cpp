// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResourceFile.h"

#include <QFile>

QString resourceFilePath(const char *folder, int id, const char *suffix)
{
    return QStringLiteral(":/%1/%2.%3")
        .arg(QLatin1String(folder))
        .arg(id, 3, 10, QLatin1Char('0'))
        .arg(QLatin1String(suffix));
}

QByteArray readResourceFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Built-in resource %s is missing or unreadable", qPrintable(path));
    return file.readAll();
}

QByteArray readResourceFile(const char *folder, int id, const char *suffix)
{
    return readResourceFile(resourceFilePath(folder, id, suffix));
}
