// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WaveDecoding.h"

#include <QByteArray>
#include <QString>

#include <SDL_audio.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// SDL's audio device, one sound at a time, on threads of its own so that whoever asks for a
// sound never waits. The keeper thread starts SDL's audio and opens the device, then releases
// the device whenever nothing has played for the idle time, so that nothing runs while the
// game waits for a click. The decoder thread decodes each sound asked for, converts it to the
// device's format, opens the device again if it was released, and starts it; only the last
// sound asked for starts. SDL's audio thread then only copies samples. Without a device every
// sound counts as handed over at once; an image that cannot be decoded plays a short beep.
//
// Each sound is known by the ticket it was asked with. What becomes of it is told to the
// listener, on these threads.
class SoundDevice {
public:
    using Clock = std::chrono::steady_clock;

    struct Listener {
        // The sound has started, and plays this long.
        std::function<void(std::uint64_t ticket, std::chrono::milliseconds length)> started;
        // The sound has been handed to the device in full, or cannot be played at all.
        std::function<void(std::uint64_t ticket)> handedOver;
    };

    explicit SoundDevice(std::chrono::milliseconds idleRelease);
    SoundDevice(const SoundDevice &) = delete;
    SoundDevice &operator=(const SoundDevice &) = delete;

    // Told of every sound from now on until set again; an empty listener hears nothing.
    void setListener(Listener listener);
    // Stops the sound playing and asks for a built-in WAVE image, or a WAVE file from outside
    // the program (see decodeWaveFile); returns its ticket.
    std::uint64_t ask(const QByteArray &wave, const QString &file);
    // Stops the sound playing and forgets any sound asked for and not yet started.
    void stop();
    // How loud the samples reach the device, from 0 (silent) to 1 (as they are), from the
    // next samples on; SDL's audio thread reads it without a lock.
    void setVolume(double gain);
    // Ends the threads and releases the device, waiting at most allowance; false when they
    // did not end in time, and this object must then be left to them, never deleted.
    bool close(std::chrono::milliseconds allowance);

private:
    struct Request {
        std::uint64_t ticket = 0;
        QByteArray wave;
        QString file;
    };

    static void feed(void *device, std::uint8_t *stream, int length);
    void fill(std::uint8_t *stream, int length);
    void copyScaled(std::uint8_t *stream, const std::uint8_t *samples, std::size_t count) const;
    std::uint32_t open(bool first);
    bool idleLongEnough();
    void keep();
    void decode();
    Samples decoded(const Request &request);
    bool reopen(std::unique_lock<std::mutex> &lock);
    void start(Samples samples, std::uint64_t ticket);
    void tellHandedOver(std::uint64_t ticket);
    void pauseAndClear();

    // The sound playing, shared with SDL's audio thread, which calls fill(), and the
    // listener. Never taken before devices_.
    std::mutex mixing_;
    Samples current_;
    std::size_t position_ = 0;
    std::uint64_t playing_ = 0;
    Clock::time_point idleSince_ = Clock::now();
    // SDL's mixing volume, 0 to SDL_MIX_MAXVOLUME.
    std::atomic<int> volume_ = SDL_MIX_MAXVOLUME;
    Listener listener_;

    // The device and the sounds asked for, shared by all threads.
    std::mutex devices_;
    std::condition_variable wake_;
    std::condition_variable requested_;
    std::uint32_t device_ = 0;
    bool ready_ = false;
    bool usable_ = false;
    bool quitting_ = false;
    std::uint64_t latest_ = 0;
    std::optional<Request> pending_;
    SDL_AudioSpec obtained_{};
    SampleFormat format_;
    std::chrono::milliseconds idleRelease_;
    // Made and read by the decoder thread only.
    Samples beep_;
    std::thread keeper_;
    std::thread decoder_;
};
