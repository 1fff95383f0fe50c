// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StderrSilencer.h"

#include "Stderr.h"

#include <cstdio>
#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// The device that swallows what is written to it, opened so that no child process inherits it.
#ifdef _WIN32
constexpr const char *NullDevice = "NUL";
constexpr int NullFlags = _O_WRONLY | _O_NOINHERIT;
constexpr int StderrFd = 2;
#else
constexpr const char *NullDevice = "/dev/null";
constexpr int NullFlags = O_WRONLY | O_CLOEXEC;
constexpr int StderrFd = STDERR_FILENO;
#endif

} // namespace

StderrSilencer::StderrSilencer() : held_(holdStderr())
{
    std::fflush(stderr);
    saved_ = dup(StderrFd);
    const int null = open(NullDevice, NullFlags);
    if (null >= 0) {
        dup2(null, StderrFd);
        close(null);
    }
}

StderrSilencer::~StderrSilencer()
{
    if (saved_ < 0)
        return;
    std::fflush(stderr);
    dup2(saved_, StderrFd);
    close(saved_);
}
