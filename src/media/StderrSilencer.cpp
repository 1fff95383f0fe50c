// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StderrSilencer.h"

#include "Stderr.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

StderrSilencer::StderrSilencer() : held_(holdStderr())
{
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
        dup2(null, STDERR_FILENO);
        close(null);
    }
}

StderrSilencer::~StderrSilencer()
{
    if (saved_ < 0)
        return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
}
