// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtPlatform.h"

#include "SdlSoundOutput.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QString>

#include <chrono>

namespace {

// The clock alone repeats across quick restarts; random_device adds entropy where it has any.
std::seed_seq clockSeed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    return std::seed_seq{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32),
                         device()};
}

} // namespace

QtPlatform::QtPlatform(std::optional<unsigned> seed, const QString &recordFolder)
    : recordFolder_(recordFolder.isEmpty()
                        ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                        : QDir::cleanPath(QDir(recordFolder).absolutePath()))
{
    if (seed) {
        generator_.seed(*seed);
        return;
    }
    std::seed_seq clock = clockSeed();
    generator_.seed(clock);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::startSound()
{
    if (!sound_)
        sound_ = std::make_unique<SdlSoundOutput>();
}

SoundOutput &QtPlatform::sound()
{
    startSound();
    return *sound_;
}

float QtPlatform::randomUniform()
{
    // generate_canonical<float> can return exactly 1.0 on some libraries; draw again then.
    float r = 1.0f;
    while (r >= 1.0f)
        r = std::generate_canonical<float, 24>(generator_);
    return r;
}

QString QtPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::dataFolder() const
{
    return QDir::cleanPath(programFolder() + QStringLiteral("/" HK_DATA_FROM_PROGRAM));
}

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}
