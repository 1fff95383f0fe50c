// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The stages a square opens. The square dispatch calls them; the learning stages implement
// them. Each stage ends by arming the spinner or by starting a new walk.
class StageOpeners {
public:
    virtual ~StageOpeners() = default;

    // Shows and recites poem 0..4, then gives the turn back.
    virtual void recitePoem(int poem) = 0;
    // Shows the kitten square's four words for the child to learn.
    virtual void openTeaching() = 0;
    // Asks the kitten square's four words by ear.
    virtual void openQuiz() = 0;
    // A creature drawn at random sends the kitten back or forward.
    virtual void runChanceSquare() = 0;
};
