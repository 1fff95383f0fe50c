// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LearningRecord.h"
#include "ParentSettings.h"

#include <gtest/gtest.h>

namespace {

const QDate Monday(2026, 5, 4);

// Not yet until taught or answered; met then; known only once answered right at the first try
// on two different days. Right answers on one day, however many, or a right and a wrong day
// never make a word known; the day it became known is its second right day.
TEST(KnownRule, aWordIsKnownWhenAnsweredRightOnTwoDifferentDays)
{
    LearningRecord record;
    EXPECT_EQ(record.state(5), WordState::NotYet);
    record.noteTaught(5, Monday);
    EXPECT_EQ(record.state(5), WordState::Met);
    record.noteAnswer(6, Monday, false);
    EXPECT_EQ(record.state(6), WordState::Met);

    record.noteAnswer(5, Monday, true);
    record.noteAnswer(5, Monday, true);
    record.noteAnswer(5, Monday.addDays(1), false);
    EXPECT_EQ(record.state(5), WordState::Met);
    record.noteAnswer(5, Monday.addDays(3), true);
    EXPECT_EQ(record.state(5), WordState::Known);
    EXPECT_EQ(record.knownSince(5), Monday.addDays(3));
    record.noteAnswer(5, Monday.addDays(4), true);
    EXPECT_EQ(record.knownSince(5), Monday.addDays(3));
    EXPECT_EQ(record.state(7), WordState::NotYet);
}

// A clock set back brings days out of order: each day is still one entry, kept in date order,
// and the day a word became known is its second right day by the calendar.
TEST(KnownRule, daysKeepDateOrderWhenTheClockGoesBack)
{
    LearningRecord record;
    record.noteAnswer(3, Monday.addDays(5), true);
    record.noteAnswer(3, Monday, false);
    record.noteAnswer(3, Monday.addDays(5), true);
    EXPECT_EQ(record.state(3), WordState::Met);
    record.noteAnswer(3, Monday.addDays(2), true);
    EXPECT_EQ(record.knownSince(3), Monday.addDays(5));
    const std::vector<WordDay> expected = {
        {Monday, 0, 0, 1}, {Monday.addDays(2), 0, 1, 0}, {Monday.addDays(5), 0, 2, 0}};
    EXPECT_EQ(record.wordDays(3), expected);
    EXPECT_EQ(record.wordsPractised(Monday.addDays(2)), 1);
    EXPECT_EQ(record.wordsPractised(Monday.addDays(1)), 0);
}

// Time adds up by day and a day keeps the highest level played; a game starts at level 1
// unless the family chose the highest level reached.
TEST(PlayDays, addUpTimeKeepTheHighestLevelAndChooseTheStart)
{
    LearningRecord record;
    ParentSettings settings;
    settings.startLevel = StartLevel::HighestReached;
    EXPECT_EQ(settings.levelToStartAt(record), 1);
    record.notePlay(Monday, 30, 2);
    record.notePlay(Monday, 45, 1);
    record.notePlay(Monday.addDays(-1), 10, 1);
    const std::vector<PlayDay> expected = {{Monday.addDays(-1), 10, 1}, {Monday, 75, 2}};
    EXPECT_EQ(record.playDays(), expected);
    EXPECT_EQ(settings.levelToStartAt(record), 2);
    EXPECT_EQ(ParentSettings{}.levelToStartAt(record), 1);
}

} // namespace
