// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SavedRecord.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

// The text of the record file: one small JSON object, versioned by its "format" number. Words
// are named by their characters and days by their ISO dates, so a person can read it too:
//
//   {"format": 1,
//    "settings": {"startLevel": "first", "volume": 100, "muted": false, "fullScreen": false},
//    "restarted": {"day": "2026-05-01", "keptAs": "record-unreadable-20260501-101502.json"},
//    "words": {"厨房": [{"day": "2026-05-01", "taught": 2, "right": 1, "wrong": 0}]},
//    "days": [{"day": "2026-05-01", "seconds": 754, "level": 2}]}
//
// "restarted" is there only after a restart. words are the content's words in their order.
namespace RecordFormat {

constexpr int Version = 1;

QByteArray write(const SavedRecord &record, const QStringList &words);

// What reading a text found.
enum class Verdict {
    Read,
    // Not JSON, cut short, or not shaped as a record: nothing of it is taken.
    Malformed,
    // Written by a later version of the game, whose format this one does not know.
    Newer,
};

struct Reading {
    Verdict verdict = Verdict::Malformed;
    SavedRecord record;
};

Reading read(const QByteArray &text, const QStringList &words);

} // namespace RecordFormat
