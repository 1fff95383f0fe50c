// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdio>

// Where the command line's answers and the report go. A terminal shows what the program writes
// on its standard output and error; on Windows, a program started from the Start menu or
// Explorer has neither, so its answers show in a message box instead.
namespace Console {

// Writes text on stream (stdout or stderr), in the system's encoding (on Windows: to a console
// as it is, to a file or pipe in UTF-8); where that would reach no one, shows it in a message
// box titled with the game's name, with a warning's icon for stderr.
void print(std::FILE *stream, const QString &text);

} // namespace Console
