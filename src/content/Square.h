// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a track square opens when the kitten stops on it. The numbers are those of the level
// tables, which also pick the square's icon and announcement.
enum class SquareKind {
    Start = 0, // square 0 only, never stood on
    Poem = 1,
    Teaching = 2,
    Quiz = 3,
    Chance = 4,
};

// A track square of a level: its kind and its number within that kind (poems 1..5, word
// groups 1..16, chance squares 1..6).
struct Square {
    SquareKind kind = SquareKind::Start;
    int index = 0;

    bool operator==(const Square &) const = default;
};

// A cell of the 12 x 12 board grid; column 0 is the left, row 0 the top.
struct Cell {
    int column = 0;
    int row = 0;

    bool operator==(const Cell &) const = default;
    bool operator<(const Cell &other) const
    {
        return column != other.column ? column < other.column : row < other.row;
    }
};
