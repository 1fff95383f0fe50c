// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Content.h"
#include "FakeView.h"
#include "Game.h"
#include "GameRecord.h"
#include "Journal.h"
#include "LearningRecord.h"
#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <vector>

// The game's rules on the fake view, fake timers and the recording platform, with no widget
// anywhere. The game is not started: a test starts it or sets the record up itself.
class GameFixture : public ::testing::Test {
protected:
    static const Content &content();

    // Starts the game and forgets what start-up did.
    void startGame();
    // The game idle at a level with the kitten on a square and the spinner armed, the board
    // cleared and the journal empty.
    void standOn(int level, int square);
    // The square of a level with this kind and index.
    int squareOf(int level, SquareKind kind, int index) const;
    // Delivers the timer's ticks while it runs, at most limit; returns how many.
    int tickUntilStopped(GameTimer timer, int limit = 400);
    int walkUntilStopped() { return tickUntilStopped(GameTimer::WalkTick); }
    // A click on the spinner drawing number (1..6) before any draw already scripted, and its
    // whole whirl.
    void spin(int number);
    // A spin, the spin delay's tick and the whole walk.
    void spinAndWalk(int number);
    // Ends the held sounds, one after another, until none plays; returns how many.
    int endHeldSounds();
    // Walks onto the square of a level with this kind and index from the square before, hears
    // its announcement to the end and forgets everything up to then. A quiz's shuffle draws
    // must be scripted.
    void enter(int level, SquareKind kind, int index);
    std::vector<SoundId> soundsPlayed() const;
    void forgetSounds() { platform.output.played.clear(); }

    Journal journal;
    RecordingPlatform platform{journal};
    FakeView view{journal};
    FakeTimers timers;
    GameRecord record;
    LearningRecord learning;
    Game game{record, learning, content(), view, timers, platform};
};
