// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordReport.h"

#include "Content.h"
#include "SavedRecord.h"

#include <QStringList>

#include <array>

namespace {

QString isoDay(QDate day)
{
    return day.toString(Qt::ISODate);
}

QString row(const QStringList &columns)
{
    return columns.join(u'\t') + u'\n';
}

} // namespace

QString RecordReport::text(const SavedRecord &record, const Content &content, const QString &file)
{
    QString report =
        tr("Hanzi Kitten: what the child has learnt") + u'\n' + tr("Record: %1").arg(file) + u'\n';
    if (const QString restart = restartText(record); !restart.isEmpty())
        report += restart + u'\n';
    report += countsText(record.learning, content.wordCount()) + u'\n';
    return report + u'\n' + wordLines(record.learning, content) + u'\n' + dayLines(record.learning);
}

QString RecordReport::countsText(const LearningRecord &learning, int wordCount)
{
    std::array<int, 3> counts{};
    for (int word = 0; word < wordCount; ++word)
        counts[static_cast<int>(learning.state(word))] += 1;
    return tr("Known: %1, met: %2, not yet: %3 of %4 words")
        .arg(counts[static_cast<int>(WordState::Known)])
        .arg(counts[static_cast<int>(WordState::Met)])
        .arg(counts[static_cast<int>(WordState::NotYet)])
        .arg(wordCount);
}

QString RecordReport::wordLines(const LearningRecord &learning, const Content &content)
{
    QString lines =
        row({tr("Word"), tr("Pinyin"), tr("State"), tr("Days met"), tr("Quiz answers")});
    for (int word = 0; word < content.wordCount(); ++word) {
        const std::vector<WordDay> &days = learning.wordDays(word);
        lines += row({content.word(word), content.pinyin(word), stateText(learning, word),
                      QString::number(days.size()), answersText(days)});
    }
    return lines;
}

QString RecordReport::dayLines(const LearningRecord &learning)
{
    QString lines = row({tr("Day"), tr("Minutes"), tr("Words practised"), tr("Level")});
    for (const PlayDay &day : learning.playDays())
        lines +=
            row({isoDay(day.day), QString::number(minutes(day.seconds)),
                 QString::number(learning.wordsPractised(day.day)), QString::number(day.level)});
    if (learning.playDays().empty())
        lines += tr("No day played yet.") + u'\n';
    return lines;
}

QString RecordReport::stateText(const LearningRecord &learning, int word)
{
    switch (learning.state(word)) {
    case WordState::Known:
        return tr("known since %1").arg(isoDay(*learning.knownSince(word)));
    case WordState::Met:
        return tr("met");
    case WordState::NotYet:
        break;
    }
    return tr("not yet");
}

QString RecordReport::answersText(const std::vector<WordDay> &days)
{
    int right = 0, wrong = 0;
    for (const WordDay &day : days) {
        right += day.right;
        wrong += day.wrong;
    }
    if (right + wrong == 0)
        return tr("not asked yet");
    return tr("right %1, wrong %2").arg(right).arg(wrong);
}

QString RecordReport::restartText(const SavedRecord &record)
{
    if (!record.restart)
        return {};
    return tr("The record started afresh on %1: the earlier file could not be read and is kept "
              "as %2.")
        .arg(isoDay(record.restart->day), record.restart->keptAs);
}
