// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"

#include "RecordFormat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// A record is a few kilobytes; a file far larger is no record and is not read into memory.
constexpr qint64 LargestRecord = 16 * 1024 * 1024;

} // namespace

RecordFile::RecordFile(const QString &folder, const QStringList &words)
    : folder_(folder), words_(words)
{
}

QString RecordFile::path() const
{
    return QDir(folder_).filePath(QLatin1String(Name));
}

SavedRecord RecordFile::load(const QDateTime &now)
{
    QFile file(path());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return startAfresh(now, QStringLiteral("cannot be read"), "unreadable");
    const bool tooLarge = file.size() > LargestRecord;
    const QByteArray text = tooLarge ? QByteArray() : file.readAll();
    // Closed before it may be moved aside: Windows renames no open file.
    file.close();
    if (tooLarge)
        return startAfresh(now, QStringLiteral("is too large to be a record"), "unreadable");
    const RecordFormat::Reading reading = RecordFormat::read(text, words_);
    switch (reading.verdict) {
    case RecordFormat::Verdict::Read:
        return reading.record;
    case RecordFormat::Verdict::Newer:
        return startAfresh(now, QStringLiteral("was written by a newer version of the game"),
                           "newer");
    case RecordFormat::Verdict::Malformed:
        break;
    }
    return startAfresh(now, QStringLiteral("is damaged or cut short"), "unreadable");
}

// The old file is kept under a new name and a new record, noting the restart, takes its place
// at once, so that the report says so even if nothing is learnt before the game ends.
SavedRecord RecordFile::startAfresh(const QDateTime &now, const QString &why, const char *kind)
{
    const QString aside = asideName(now, kind);
    if (!QFile::rename(path(), QDir(folder_).filePath(aside))) {
        mayWrite_ = false;
        problem_ = QStringLiteral("the learning record %1 %2 and cannot be moved aside; the game "
                                  "plays on and saves nothing")
                       .arg(path(), why);
        return {};
    }
    problem_ = QStringLiteral("the learning record %1 %2; it is kept as %3 and a new record "
                              "starts")
                   .arg(path(), why, aside);
    SavedRecord fresh;
    fresh.restart = RecordRestart{now.date(), aside};
    save(fresh);
    return fresh;
}

QString RecordFile::asideName(const QDateTime &now, const char *kind) const
{
    const QString stem =
        QStringLiteral("record-%1-%2")
            .arg(QLatin1String(kind), now.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString name = stem + QStringLiteral(".json");
    for (int copy = 2; QFile::exists(QDir(folder_).filePath(name)); ++copy)
        name = QStringLiteral("%1-%2.json").arg(stem).arg(copy);
    return name;
}

bool RecordFile::save(const SavedRecord &record)
{
    if (!mayWrite_ || !QDir().mkpath(folder_))
        return false;
    QSaveFile file(path());
    return file.open(QIODevice::WriteOnly) &&
           file.write(RecordFormat::write(record, words_)) >= 0 && file.commit();
}
