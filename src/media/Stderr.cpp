// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Stderr.h"

#include <QString>

#include <cstdio>

namespace {

std::mutex &stderrMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

void sayOnStderr(const QString &line)
{
    const auto held = holdStderr();
    std::fprintf(stderr, "hanzi-kitten: %s\n", qPrintable(line));
    std::fflush(stderr);
}

std::unique_lock<std::mutex> holdStderr()
{
    return std::unique_lock(stderrMutex());
}
