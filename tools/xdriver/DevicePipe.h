// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

// The sound device of a program run with SDL's disk driver (SDL_AUDIODRIVER=disk,
// SDL_DISKAUDIOFILE=path): a named pipe, read as the device would read it. It remembers when
// sound (not silence) was last heard, and when it was first heard after a mark.
class DevicePipe {
public:
    using Clock = std::chrono::steady_clock;

    explicit DevicePipe(std::string path);
    ~DevicePipe();
    DevicePipe(const DevicePipe &) = delete;
    DevicePipe &operator=(const DevicePipe &) = delete;

    const std::string &path() const { return path_; }
    void mark();
    // Seconds from the mark to the first sound after it, or a negative number.
    double soundAfterMark() const;
    // When sound was last heard; the clock's zero before any.
    Clock::time_point lastSound() const;

private:
    void read();

    std::string path_;
    int fd_ = -1;
    std::thread reader_;
    std::atomic<bool> stop_ = false;
    std::atomic<Clock::rep> markedAt_ = 0;
    std::atomic<Clock::rep> firstAfterMark_ = 0;
    std::atomic<Clock::rep> lastSound_ = 0;
};
