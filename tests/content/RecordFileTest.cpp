// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"
#include "Content.h"
#include "RecordFormat.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string_view>

namespace {

const QDateTime Now(QDate(2026, 5, 4), QTime(9, 30, 15));

const QStringList &words()
{
    static const QStringList built = Content::builtIn().words();
    return built;
}

// A record with something of everything.
SavedRecord fullRecord()
{
    SavedRecord record;
    record.learning.noteTaught(0, QDate(2026, 5, 1));
    record.learning.noteAnswer(0, QDate(2026, 5, 1), true);
    record.learning.noteAnswer(31, QDate(2026, 5, 2), false);
    record.learning.notePlay(QDate(2026, 5, 2), 754, 3);
    record.settings = {StartLevel::HighestReached, 40, true, true};
    record.restart = RecordRestart{QDate(2026, 4, 30), QStringLiteral("record-old.json")};
    return record;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// No file is an empty record and no problem; a saved record reads back exactly, folder made.
TEST(RecordFile, readsBackWhatItSavedAndStartsEmptyWithoutAFile)
{
    QTemporaryDir scratch;
    RecordFile file(scratch.filePath(QStringLiteral("new/folder")), words());
    EXPECT_EQ(file.load(Now), SavedRecord{});
    EXPECT_EQ(file.problem(), QString());
    ASSERT_TRUE(file.save(fullRecord()));
    RecordFile again(scratch.filePath(QStringLiteral("new/folder")), words());
    EXPECT_EQ(again.load(Now), fullRecord());
    EXPECT_EQ(again.problem(), QString());
}

// Garbage, a file cut short, a record shaped wrongly and one from a newer version are each
// kept aside byte for byte under a name of their own (which tells a newer version's), said
// once, and a new record noting the restart takes the file's place at once.
TEST(RecordFile, keepsAnUnreadableFileAsideAndStartsAfresh)
{
    const QByteArray saved = RecordFormat::write(fullRecord(), words());
    const std::pair<const char *, QByteArray> files[] = {
        {"garbage", "\x89PNG not a record"},
        {"truncated", saved.left(saved.size() / 2)},
        {"wrongly shaped", QByteArray(saved).replace("\"volume\": 40", "\"volume\": \"loud\"")},
        {"negative time", QByteArray(saved).replace("\"seconds\": 754", "\"seconds\": -5")},
        {"unknown word", QByteArray(saved).replace("厨房", "厨窗")},
        {"newer", QByteArray(saved).replace("\"format\": 1", "\"format\": 2")},
    };
    for (const auto &[what, bytes] : files) {
        QTemporaryDir folder;
        write(folder.filePath(QLatin1String(RecordFile::Name)), bytes);
        RecordFile file(folder.path(), words());
        const SavedRecord fresh = file.load(Now);
        EXPECT_TRUE(fresh.learning.isEmpty()) << what;
        ASSERT_TRUE(fresh.restart) << what;
        EXPECT_EQ(fresh.restart->day, Now.date()) << what;
        EXPECT_EQ(contents(folder.filePath(fresh.restart->keptAs)), bytes) << what;
        EXPECT_EQ(fresh.restart->keptAs.startsWith(QLatin1String("record-newer-")),
                  what == std::string_view("newer"))
            << what;
        EXPECT_TRUE(file.problem().contains(fresh.restart->keptAs)) << what;
        RecordFile again(folder.path(), words());
        EXPECT_EQ(again.load(Now), fresh) << what;
        EXPECT_EQ(again.problem(), QString()) << what;
    }
}

// A folder that cannot be made or written (here under a plain file, which stops even a
// privileged user) leaves the record unsaved, and nothing fails.
TEST(RecordFile, aFolderThatCannotBeWrittenSavesNothing)
{
    QTemporaryDir scratch;
    write(scratch.filePath(QStringLiteral("plain")), "a file, not a folder");
    RecordFile file(scratch.filePath(QStringLiteral("plain/records")), words());
    EXPECT_EQ(file.load(Now), SavedRecord{});
    EXPECT_FALSE(file.save(fullRecord()));
    EXPECT_FALSE(file.save(fullRecord()));
}

// Linux's own limit on paths; Windows has others.
#ifndef _WIN32
// The kernel refuses a path longer than PATH_MAX (4096 bytes), so in a folder this deep the
// record can be read and written but not renamed to the longer name it would be kept under,
// whatever the test's privileges. A file that cannot be read and cannot be moved aside is
// never written over.
TEST(RecordFile, aFileThatCannotBeKeptAsideIsNeverOverwritten)
{
    QTemporaryDir scratch;
    QString folder = scratch.path();
    while (folder.size() < 4070)
        folder += u'/' + QString(std::min<qsizetype>(200, 4069 - folder.size()), u'd');
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/record.json");
    write(path, "damaged");
    RecordFile file(folder, words());
    const SavedRecord fresh = file.load(Now);
    EXPECT_TRUE(fresh.learning.isEmpty());
    EXPECT_FALSE(fresh.restart);
    EXPECT_TRUE(file.problem().contains(QLatin1String("saves nothing")))
        << file.problem().toStdString();
    EXPECT_FALSE(file.save(fullRecord()));
    EXPECT_EQ(contents(path), "damaged");
}
#endif

} // namespace
