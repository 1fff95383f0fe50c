// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "XDriver.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

// Pings a window as a window manager does (_NET_WM_PING) on a connection and a thread of its
// own, every interval, and keeps how long each answer took. A desktop shows a program that
// leaves pings unanswered for a few seconds as not responding.
class PingProbe {
public:
    PingProbe(XWindow window, std::chrono::milliseconds interval);
    ~PingProbe();
    PingProbe(const PingProbe &) = delete;
    PingProbe &operator=(const PingProbe &) = delete;

    // The longest wait for an answer so far, a ping still unanswered counting up to now.
    std::chrono::milliseconds longestWait() const;
    // The wait that share (0 to 1) of the answered pings did not exceed.
    std::chrono::milliseconds waitAtShare(double share) const;
    int answered() const { return answered_; }

private:
    void run();

    XWindow window_;
    std::chrono::milliseconds interval_;
    std::atomic<bool> stop_ = false;
    std::atomic<long long> longestMs_ = 0;
    std::atomic<long long> pendingSinceMs_ = -1;
    std::atomic<int> answered_ = 0;
    mutable std::mutex waitsMutex_;
    std::vector<long long> waitsMs_;
    std::thread thread_;
};
