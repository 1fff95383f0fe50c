// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// The program's command line, read before anything needs a display, so that it answers the
// same on a terminal with or without one. --help and --version are answered on standard
// output, a malformed command line on standard error, in the parent's language; then the
// program ends with the status the answer gives (0 for the answers, 2 for a usage error).
class CommandLine {
public:
    // Reads the program's arguments and answers what it can answer alone.
    static CommandLine read(int argc, char *argv[]);

    // Whether the command line was answered and the program should end with exitStatus().
    bool answered() const { return exitStatus_.has_value(); }
    int exitStatus() const { return exitStatus_.value_or(0); }

    // --seed N: repeats every random draw of a game.
    std::optional<unsigned> seed() const { return seed_; }
    // --screenshot FILE: where to save the start screen before quitting, or empty.
    const QString &screenshot() const { return screenshot_; }
    // --data-dir DIR: where the learning record is kept instead of the user's data folder, or
    // empty.
    const QString &dataDir() const { return dataDir_; }
    // --report: print the learning record and quit, with no display needed.
    bool report() const { return report_; }

private:
    // Status 0: the question is answered.
    static constexpr int Answered = 0;
    // Status 2: the command line is malformed, as usage errors end by convention.
    static constexpr int UsageError = 2;

    // Prints the answer on standard output.
    void answer(const QString &text);
    // Says on standard error what is wrong and where help is.
    void refuse(const QString &error);
    void readSeed(const QString &value);

    std::optional<int> exitStatus_;
    std::optional<unsigned> seed_;
    QString screenshot_;
    QString dataDir_;
    bool report_ = false;
};
