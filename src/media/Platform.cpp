// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cmath>

QString Platform::dataFile(const QString &relative) const
{
    const QString besideProgram = programFolder() + QLatin1Char('/') + relative;
    if (QFileInfo::exists(besideProgram))
        return besideProgram;
    const QString installed = dataFolder() + QLatin1Char('/') + relative;
    return QFileInfo::exists(installed) ? installed : besideProgram;
}

int randomBelow(Platform &platform, int n)
{
    const float r = platform.randomUniform();
    const int value = static_cast<int>(std::floor(r * static_cast<float>(n)));
    // r * n can round up to n in single precision when r is just below 1.
    return std::clamp(value, 0, n - 1);
}
