// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDateTime;
class QString;
class SoundOutput;

// Everything the game asks of the machine, in one seam that tests replace: sound output,
// random draws, the clock, and the folders its files are found in and its record is kept in.
class Platform {
public:
    virtual ~Platform() = default;

    virtual SoundOutput &sound() = 0;
    // A fresh uniform draw in [0, 1).
    virtual float randomUniform() = 0;
    // The folder the program was started from, without a trailing separator.
    virtual QString programFolder() const = 0;
    // The folder the installed program keeps its data files in (share/hanzi-kitten beside the
    // program's bin folder), without a trailing separator.
    virtual QString dataFolder() const = 0;
    // The folder the learning record is kept in, without a trailing separator.
    virtual QString recordFolder() const = 0;
    // The local date and time, which dates what the child learns.
    virtual QDateTime now() const = 0;

    // The path of data file relative (such as "wav/step.wav"): beside the program if it is
    // there, as in a build folder, else in the data folder if it is there, else beside the
    // program, where a missing file is looked for first.
    QString dataFile(const QString &relative) const;
};

// floor(r * n) for a draw r in [0, 1): 0 .. n - 1, each equally likely.
int randomBelow(Platform &platform, int n);
