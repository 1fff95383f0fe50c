// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mutex>

class QString;

// What the program has to say goes to stderr, one line at a time. The sound output points
// stderr elsewhere for a moment while its device opens, to keep the sound system's own chatter
// away from the player; a line said meanwhile waits until stderr is back.
void sayOnStderr(const QString &line);

// Keeps stderr for the caller while the lock lives.
std::unique_lock<std::mutex> holdStderr();
