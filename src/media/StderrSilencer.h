// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mutex>

// Points stderr at nothing while it lives, and back afterwards. ALSA writes its own
// diagnostics to stderr when it finds no sound card, and SDL offers no way to silence them;
// the program says in one line of its own when there is no sound. What the program says on
// stderr meanwhile waits until stderr is back (see Stderr.h).
class StderrSilencer {
public:
    StderrSilencer();
    ~StderrSilencer();
    StderrSilencer(const StderrSilencer &) = delete;
    StderrSilencer &operator=(const StderrSilencer &) = delete;

private:
    std::unique_lock<std::mutex> held_;
    int saved_ = -1;
};
