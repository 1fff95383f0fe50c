// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundNumbers.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

int soundNumberOf(const QByteArray &wave)
{
    // Read once per program.
    static const QHash<QByteArray, int> numbers = [] {
        QHash<QByteArray, int> table;
        QDirIterator it(QStringLiteral(":/sounds"));
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                table.insert(file.readAll(), QFileInfo(path).baseName().toInt());
        }
        return table;
    }();
    return numbers.value(wave, -1);
}
