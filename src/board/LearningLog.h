// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>

#include <functional>
#include <optional>

class LearningRecord;
class Platform;

// Writes what the child learns into the learning record, dated by the platform's clock: the
// words whose captions the child hears in teaching, how the quizzes' words are answered, and the
// time played at each level. A press counts the time since the press before as play, when that
// is at most IdleLimit; a longer pause is time away. It asks for the record to be saved when a
// word stage ends or a level starts, and only if something was noted since the last save:
// never on every press.
class LearningLog {
public:
    static constexpr int IdleLimitSeconds = 120;

    LearningLog(LearningRecord &record, Platform &platform);

    // What saves the record.
    void setSave(std::function<void()> save) { save_ = std::move(save); }

    void wordTaught(int word);
    // The word a quiz asked was answered at its first press, rightly or not.
    void wordAnswered(int word, bool right);
    void childPressed();
    void levelStarted(int level);
    // A word stage ended: the record is saved if anything was noted.
    void stageEnded() { saveIfChanged(); }
    void saveIfChanged();

private:
    QDate today() const;

    LearningRecord &record_;
    Platform &platform_;
    std::function<void()> save_;
    int level_ = 1;
    std::optional<QDateTime> lastPress_;
    bool changed_ = false;
};
