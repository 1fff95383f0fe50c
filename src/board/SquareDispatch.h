// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Square.h"

class Content;
class HeldSound;
class Spinner;
class StageOpeners;
struct GameRecord;

// Entering the square a walk stopped on: the spinner is disarmed, the square's kind is
// announced to its end, and the stage of that kind opens.
class SquareDispatch {
public:
    SquareDispatch(const GameRecord &record, const Content &content, HeldSound &held,
                   Spinner &spinner, StageOpeners &stages);

    void enterSquare();

private:
    void open(Square square);

    const GameRecord &record_;
    const Content &content_;
    HeldSound &held_;
    Spinner &spinner_;
    StageOpeners &stages_;
};
