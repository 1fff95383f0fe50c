// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SoundOutput.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class SoundDevice;

// The game's real sound output: SDL's audio device, one sound at a time (see SoundDevice),
// asked for and heard from on the thread that made the output. Nothing here decodes or waits:
// a sound asked for before the device is open starts once it is open. The end of a sound
// whose end is awaited is reported through the event loop once the device has taken the
// sound in full; a device that stops taking samples cannot hold the game, since a sound counts
// as ended a moment after its own length in any case. Without an audio device every sound is
// silent and ends at once, and the program says so once on stderr.
class SdlSoundOutput : public QObject, public SoundOutput {
    Q_OBJECT
public:
    explicit SdlSoundOutput(std::chrono::milliseconds idleRelease = std::chrono::seconds(2));
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput &) = delete;
    SdlSoundOutput &operator=(const SdlSoundOutput &) = delete;

    void play(const QByteArray &wave, std::function<void()> ended = {}) override;
    // A file the game cannot sensibly play (see decodeWaveFile) plays the short beep instead.
    void playFile(const QString &path) override;
    void stop() override;
    // Applied as the samples are handed to the device, so it takes effect at once.
    void setVolume(double gain) override;

private:
    void onStarted(std::uint64_t ticket, std::chrono::milliseconds length);
    void onHandedOver(std::uint64_t ticket);
    void cutOff();

    std::unique_ptr<SoundDevice> device_;
    // The end awaited of the last sound asked for, and which sound that is.
    std::function<void()> ended_;
    std::uint64_t endedTicket_ = 0;
    QTimer stallWatch_;
};
