// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"
#include "Square.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// A classical poem: title, poet and four verse lines, as stored (a line may end in its own
// line break).
struct Poem {
    QString title;
    QString poet;
    std::array<QString, 4> lines;
};

// The game's built-in content: where each track square lies on the board, what each square
// opens in each level, the words, the groups of four words taught and quizzed together, and
// the poems. It is read once, at start-up, from the string texts and never changes.
//
// The content is part of the program, so a malformed text is a programming error: reading
// stops the program with a message naming the text.
class Content {
public:
    static constexpr int GridSize = 12;
    static constexpr int LastSquare = 43;
    static constexpr int WordsPerGroup = 4;

    // Reads every table from the string texts by number.
    static Content read(const std::function<QString(int id)> &text);
    // Reads the texts built into the program.
    static Content builtIn();

    Cell cellOf(int square) const { return cells_.at(square); }
    // The track square drawn in a cell, or 0 where there is none.
    int squareAt(Cell cell) const { return grid_[cell.column][cell.row]; }
    // What a square opens in a level. Outside the track or the levels: a start square, which
    // opens nothing.
    Square square(int level, int square) const;
    // The square of a level that teaches word group index (the quiz of the same index walks
    // back to it).
    int teachingSquare(int level, int index) const;

    int wordCount() const { return static_cast<int>(words_.size()); }
    const QStringList &words() const { return words_; }
    const QString &word(int word) const { return words_.at(word); }
    const QString &pinyin(int word) const { return pinyin_.at(word); }
    // Word number k (0..3) of a group.
    int groupWord(int group, int k) const { return groups_.at(group).at(k); }
    const Poem &poem(int poem) const { return poems_.at(poem); }

private:
    void readGrid(const std::function<QString(int)> &text);
    void readWords(const std::function<QString(int)> &text);
    void readLevel(int level, const QString &table);
    void checkLevel(int level) const;
    void readPoems(const std::function<QString(int)> &text);

    std::array<std::array<int, GridSize>, GridSize> grid_{}; // [column][row]
    std::array<Cell, LastSquare + 1> cells_{};
    std::array<std::array<Square, LastSquare + 1>, LevelCount> levels_{};
    QStringList words_;
    QStringList pinyin_;
    std::vector<std::array<int, WordsPerGroup>> groups_;
    std::array<Poem, Text::PoemCount> poems_;
};
