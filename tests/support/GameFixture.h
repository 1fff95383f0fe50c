#pragma once

#include "Content.h"
#include "FakeView.h"
#include "Game.h"
#include "GameRecord.h"
#include "Journal.h"
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
    // Delivers walk ticks while the walk timer runs, at most limit; returns how many.
    int walkUntilStopped(int limit = 400);
    // A click on the spinner drawing number (1..6) before any draw already scripted.
    void spin(int number);
    // A spin, the spin delay's tick and the whole walk.
    void spinAndWalk(int number);
    // Walks onto the square of a level with this kind and index from the square before, and
    // forgets everything up to its announcement. A quiz's shuffle draws must be scripted.
    void enter(int level, SquareKind kind, int index);
    std::vector<int> soundsPlayed() const;
    void forgetSounds() { platform.output.played.clear(); }

    Journal journal;
    RecordingPlatform platform{journal};
    FakeView view{journal};
    FakeTimers timers;
    GameRecord record;
    Game game{record, content(), view, timers, platform};
};
