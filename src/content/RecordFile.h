// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SavedRecord.h"

#include <QString>
#include <QStringList>

class QDateTime;

// The record file, record.json in the record folder. It is read once as the program starts and
// written whole and atomically when asked: the new text replaces the old at once, so a crash
// never leaves half a record. A file that cannot be read, is malformed or cut short, or that a
// newer version wrote, is moved aside under a name of its own, never deleted, and the record
// starts afresh with a note of that. A folder that cannot be written leaves the game playing
// with nothing saved. Nothing is sent anywhere.
class RecordFile {
public:
    static constexpr const char *Name = "record.json";

    // words are the content's words, which name them in the file.
    RecordFile(const QString &folder, const QStringList &words);

    // Reads the record, or starts afresh; now dates a restart and names the file moved aside.
    SavedRecord load(const QDateTime &now);
    // What went wrong while reading, in one line, or nothing.
    const QString &problem() const { return problem_; }
    // Writes the record; false when it could not be written, or when a file that could not be
    // read could not be moved aside either and so must not be written over.
    bool save(const SavedRecord &record);
    QString path() const;
    // False once a file that could not be read could not be moved aside either.
    bool maySave() const { return mayWrite_; }

private:
    SavedRecord startAfresh(const QDateTime &now, const QString &why, const char *kind);
    QString asideName(const QDateTime &now, const char *kind) const;

    QString folder_;
    QStringList words_;
    QString problem_;
    bool mayWrite_ = true;
};
