// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Platform.h"

#include <QString>

#include <memory>
#include <optional>
#include <random>

class SdlSoundOutput;

// The platform of the running game: sound through SDL's audio device, random draws from a
// generator seeded once (from the clock unless a seed is given, which makes every draw of a
// game repeat), the system clock, and the application's folders. The data folder lies where
// the installation put it relative to the program, so an installed tree can be moved whole;
// the record folder is the user's application data folder unless one is given.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(std::optional<unsigned> seed = std::nullopt,
                        const QString &recordFolder = {});
    ~QtPlatform() override;

    // Starts the sound output, which opens its device on a thread of its own; sound() does it
    // on first use otherwise. The output may silence stderr for a moment while the device
    // opens, so what the program has to say at start-up is said before this. It reports the
    // ends of sounds to this thread's event loop.
    void startSound();
    SoundOutput &sound() override;
    float randomUniform() override;
    QString programFolder() const override;
    QString dataFolder() const override;
    QString recordFolder() const override { return recordFolder_; }
    QDateTime now() const override;

private:
    std::unique_ptr<SdlSoundOutput> sound_;
    std::mt19937 generator_;
    QString recordFolder_;
};
