// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DevicePipe.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

DevicePipe::Clock::rep now()
{
    return DevicePipe::Clock::now().time_since_epoch().count();
}

} // namespace

DevicePipe::DevicePipe(std::string path) : path_(std::move(path))
{
    mkfifo(path_.c_str(), 0600);
    fd_ = open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    reader_ = std::thread([this] { read(); });
}

DevicePipe::~DevicePipe()
{
    stop_ = true;
    reader_.join();
    close(fd_);
    unlink(path_.c_str());
}

void DevicePipe::mark()
{
    firstAfterMark_ = 0;
    markedAt_ = now();
}

double DevicePipe::soundAfterMark() const
{
    const Clock::rep first = firstAfterMark_;
    if (first == 0)
        return -1;
    return std::chrono::duration<double>(Clock::duration(first - markedAt_)).count();
}

DevicePipe::Clock::time_point DevicePipe::lastSound() const
{
    return Clock::time_point(Clock::duration(lastSound_));
}

void DevicePipe::read()
{
    std::vector<unsigned char> buffer(65536);
    while (!stop_) {
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
        if (got <= 0) {
            usleep(1000);
            continue;
        }
        // Signed 16-bit samples: sound is anything far from zero.
        for (ssize_t i = 0; i + 1 < got; i += 2) {
            const auto sample = static_cast<std::int16_t>(buffer[i] | buffer[i + 1] << 8);
            if (std::abs(sample) > 64) {
                const Clock::rep heard = now();
                lastSound_ = heard;
                if (firstAfterMark_ == 0 && markedAt_ != 0)
                    firstAfterMark_ = heard;
                break;
            }
        }
    }
}
