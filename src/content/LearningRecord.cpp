// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LearningRecord.h"

#include <algorithm>

namespace {

// The entry of a day in days kept in date order, made where it belongs if there is none.
template <typename Day> Day &dayIn(std::vector<Day> &days, QDate day)
{
    const auto at = std::ranges::lower_bound(days, day, {}, &Day::day);
    if (at != days.end() && at->day == day)
        return *at;
    return *days.insert(at, Day{day});
}

} // namespace

void LearningRecord::noteTaught(int word, QDate day)
{
    wordDay(word, day).taught += 1;
}

void LearningRecord::noteAnswer(int word, QDate day, bool right)
{
    WordDay &entry = wordDay(word, day);
    (right ? entry.right : entry.wrong) += 1;
}

void LearningRecord::notePlay(QDate day, int seconds, int level)
{
    PlayDay &entry = dayIn(playDays_, day);
    entry.seconds += seconds;
    entry.level = std::max(entry.level, level);
}

WordState LearningRecord::state(int word) const
{
    if (knownSince(word))
        return WordState::Known;
    return wordDays(word).empty() ? WordState::NotYet : WordState::Met;
}

std::optional<QDate> LearningRecord::knownSince(int word) const
{
    int daysRight = 0;
    for (const WordDay &entry : wordDays(word)) {
        if (entry.right > 0 && ++daysRight == DaysToKnow)
            return entry.day;
    }
    return std::nullopt;
}

const std::vector<WordDay> &LearningRecord::wordDays(int word) const
{
    static const std::vector<WordDay> none;
    const auto found = words_.find(word);
    return found == words_.end() ? none : found->second;
}

int LearningRecord::wordsPractised(QDate day) const
{
    return static_cast<int>(std::ranges::count_if(words_, [day](const auto &word) {
        return std::ranges::binary_search(word.second, day, {}, &WordDay::day);
    }));
}

int LearningRecord::highestLevel() const
{
    int highest = 1;
    for (const PlayDay &entry : playDays_)
        highest = std::max(highest, entry.level);
    return highest;
}

void LearningRecord::setWordDays(int word, std::vector<WordDay> days)
{
    std::ranges::sort(days, {}, &WordDay::day);
    if (days.empty())
        words_.erase(word);
    else
        words_[word] = std::move(days);
}

void LearningRecord::setPlayDays(std::vector<PlayDay> days)
{
    std::ranges::sort(days, {}, &PlayDay::day);
    playDays_ = std::move(days);
}

WordDay &LearningRecord::wordDay(int word, QDate day)
{
    return dayIn(words_[word], day);
}
