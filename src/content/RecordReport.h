// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LearningRecord.h"

#include <QCoreApplication>
#include <QString>

class Content;
struct SavedRecord;

// The learning record in words, in the parent's language: the plain-text report that
// `hanzi-kitten --report` prints for teachers and scripts (a tab-separated line per word and per
// day played), and the phrases the parents' corner shows.
class RecordReport {
    Q_DECLARE_TR_FUNCTIONS(RecordReport)
public:
    // The whole report on the record kept in file.
    static QString text(const SavedRecord &record, const Content &content, const QString &file);

    // How many of the words are known, met and not yet met.
    static QString countsText(const LearningRecord &learning, int wordCount);
    // "not yet", "met", or "known since" the day.
    static QString stateText(const LearningRecord &learning, int word);
    // How the quizzes that asked a word were answered.
    static QString answersText(const std::vector<WordDay> &days);
    // The restart of the record, or nothing when there was none.
    static QString restartText(const SavedRecord &record);
    // Whole minutes of play, rounded.
    static int minutes(int seconds) { return (seconds + 30) / 60; }

private:
    static QString wordLines(const LearningRecord &learning, const Content &content);
    static QString dayLines(const LearningRecord &learning);
};
