// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"

#include <array>

// What the kitten's turn is doing. A click on the spinner whirls it; the whirl ends showing a
// number, and the spin delay's tick then starts the walk of that many squares.
enum class TurnPhase {
    // The kitten stands: no walk is under way and no spin's number waits to be walked.
    Standing,
    // The spinner whirls; a walk under way waits meanwhile.
    Whirling,
    // The spinner shows its number until the spin delay starts the walk.
    NumberShown,
    // The walk tick moves the kitten.
    Walking,
};

// The stage opened last in the current level. It stays after the stage has ended and is
// cleared only when a level starts; None means no stage has been opened in the level yet.
enum class Stage { None, Poem, Teaching, Quiz };

enum class Direction { Backward = -1, Forward = 1 };

// The state of a running game. The main window owns one for the whole run and the rules work
// on it; nothing is saved, so every run starts from these values.
struct GameRecord {
    // 1..LevelCount in play; one more once every level is done.
    int level = 1;
    // The track square the kitten stands on, 1..43.
    int kittenSquare = 1;
    TurnPhase turn = TurnPhase::Standing;
    Stage stage = Stage::None;
    // The spinner takes a click.
    bool spinnerArmed = false;

    // Squares still to walk, counting the one being walked; the walk ends at 0.
    int squaresLeft = 1;
    Direction direction = Direction::Forward;
    // The kitten shows its walking pose on its square and moves on the next tick.
    bool midStep = false;

    // The caption that shows its hover look (picture and red text), or -1.
    int hoveredCaption = -1;
    // A quiz is asking a word: the tadpole repeats it and shows a hover look.
    bool tadpoleActive = false;
    // Which caption stands in each place of the quiz layout (the first 4 or 8 are used).
    std::array<int, 8> quizOrder{};
    // Right answers so far in the quiz, which is also the number of the word being asked.
    int quizAnswered = 0;

    bool gameOver() const { return level > LevelCount; }
};
