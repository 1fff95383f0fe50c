// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

#include <map>
#include <optional>
#include <vector>

// How far the child has come with a word.
enum class WordState {
    // Neither taught nor answered in a quiz yet.
    NotYet,
    // Taught (its caption heard) or answered in a quiz.
    Met,
    // Answered right at the first try in quizzes on DaysToKnow different days.
    Known,
};

// A day of one word: how often its caption was heard in teaching, and how the quizzes that
// asked it were answered (right at the first try, or not).
struct WordDay {
    QDate day;
    int taught = 0;
    int right = 0;
    int wrong = 0;

    bool operator==(const WordDay &) const = default;
};

// A day of play: the time the child played and the highest level played.
struct PlayDay {
    QDate day;
    int seconds = 0;
    int level = 0;

    bool operator==(const PlayDay &) const = default;
};

// What the child has learnt, day by day: for each word (by its content number) the days it
// was taught and asked and how it was answered, and for each day the time played and the level
// reached. Days are kept in date order whatever order they come in, so a clock set back never
// makes one day count twice.
class LearningRecord {
public:
    // A word is known once it has been answered right on this many different days: young
    // children keep a word they have recalled on separate days, not one met often in a sitting.
    static constexpr int DaysToKnow = 2;

    void noteTaught(int word, QDate day);
    void noteAnswer(int word, QDate day, bool right);
    // Adds time played on a day and raises the day's level to level.
    void notePlay(QDate day, int seconds, int level);

    WordState state(int word) const;
    // The day a known word became known: its second day answered right.
    std::optional<QDate> knownSince(int word) const;
    // A word's days in date order; none while it is not yet met.
    const std::vector<WordDay> &wordDays(int word) const;
    const std::vector<PlayDay> &playDays() const { return playDays_; }
    // How many words were taught or asked on a day.
    int wordsPractised(QDate day) const;
    // The highest level played on any day, 1 before any.
    int highestLevel() const;
    bool isEmpty() const { return words_.empty() && playDays_.empty(); }

    // The record as stored: the word's days, in date order.
    void setWordDays(int word, std::vector<WordDay> days);
    void setPlayDays(std::vector<PlayDay> days);

    bool operator==(const LearningRecord &) const = default;

private:
    WordDay &wordDay(int word, QDate day);

    std::map<int, std::vector<WordDay>> words_;
    std::vector<PlayDay> playDays_;
};
