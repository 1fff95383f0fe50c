// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

// What the game did, in order: the fake view and the recording platform both write to it, so
// a test can check that one thing came before another.
struct Journal {
    QStringList entries;
    // Sees every entry as it is written, while the game is still in the middle of it.
    std::function<void(const QString &entry)> watcher;

    void add(const QString &entry)
    {
        entries << entry;
        if (watcher)
            watcher(entry);
    }
    // Where entry first stands, or -1.
    qsizetype indexOf(const QString &entry) const { return entries.indexOf(entry); }
    void clear() { entries.clear(); }
};

// Test failures show texts as text, and pictures and sounds by their numbers.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const SoundId &sound, std::ostream *out)
{
    *out << "sound " << sound.number;
}
inline void PrintTo(const BitmapId &picture, std::ostream *out)
{
    *out << "picture " << picture.number;
}
