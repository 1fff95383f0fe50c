// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Content.h"

#include "ResourceFile.h"

#include <limits>

namespace {

// Where a text came from, for the message that stops the program.
QString origin(int id)
{
    return QStringLiteral("string text %1").arg(id);
}

void require(bool holds, const QString &where, const QString &problem)
{
    if (!holds)
        qFatal("Malformed content in %s: %s", qPrintable(where), qPrintable(problem));
}

int number(const QString &field, int low, int high, const QString &where)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    require(ok && value >= low && value <= high, where,
            QStringLiteral("\"%1\" is not a number from %2 to %3").arg(field).arg(low).arg(high));
    return value;
}

// Fields are cut at every separator and kept untrimmed; an empty text is one empty field.
QStringList fields(const QString &text, QChar separator, int count, const QString &where)
{
    const QStringList parts = text.split(separator, Qt::KeepEmptyParts);
    require(count < 0 || parts.size() == count, where,
            QStringLiteral("%1 fields where %2 belong").arg(parts.size()).arg(count));
    return parts;
}

// The highest index a square of this kind may carry: teaching and quiz squares name a word
// group, and a level-3 quiz also shows the group after its own.
int highestIndex(SquareKind kind)
{
    switch (kind) {
    case SquareKind::Start:
        return 0;
    case SquareKind::Poem:
        return Text::PoemCount;
    case SquareKind::Teaching:
    case SquareKind::Quiz:
        return Text::GroupCount - 1;
    case SquareKind::Chance:
        break;
    }
    return std::numeric_limits<int>::max();
}

} // namespace

Content Content::read(const std::function<QString(int)> &text)
{
    Content content;
    content.readGrid(text);
    content.readWords(text);
    for (int level = 1; level <= LevelCount; ++level) {
        content.readLevel(level, text(Text::squareTable(level)));
        content.checkLevel(level);
    }
    content.readPoems(text);
    return content;
}

Content Content::builtIn()
{
    return read([](int id) { return QString::fromUtf8(readResourceFile("strings", id, "txt")); });
}

Square Content::square(int level, int square) const
{
    if (level < 1 || level > LevelCount || square < 0 || square > LastSquare)
        return {};
    return levels_[level - 1][square];
}

int Content::teachingSquare(int level, int index) const
{
    // The last square wins should a level teach a group twice.
    int found = 0;
    for (int s = 1; s <= LastSquare; ++s) {
        if (square(level, s) == Square{SquareKind::Teaching, index})
            found = s;
    }
    return found;
}

void Content::readGrid(const std::function<QString(int)> &text)
{
    std::array<int, LastSquare + 1> placed{};
    for (int row = 0; row < GridSize; ++row) {
        const QString where = origin(Text::gridRow(row));
        const QStringList cells = fields(text(Text::gridRow(row)), u'\t', GridSize, where);
        for (int column = 0; column < GridSize; ++column) {
            // 0 marks an empty cell, so square 0 is never placed.
            const int square = number(cells[column], 0, LastSquare, where);
            grid_[column][row] = square;
            cells_[square] = {column, row};
            placed[square] += 1;
        }
    }
    for (int square = 1; square <= LastSquare; ++square)
        require(placed[square] == 1,
                QStringLiteral("string texts %1 to %2, the board grid")
                    .arg(Text::gridRow(0))
                    .arg(Text::gridRow(GridSize - 1)),
                QStringLiteral("square %1 is placed %2 times").arg(square).arg(placed[square]));
    cells_[0] = {};
}

void Content::readWords(const std::function<QString(int)> &text)
{
    words_ = fields(text(Text::Words), u',', -1, origin(Text::Words));
    pinyin_ =
        fields(text(Text::Pinyin), u',', static_cast<int>(words_.size()), origin(Text::Pinyin));
    for (int group = 0; group < Text::GroupCount; ++group) {
        const QString where = origin(Text::wordGroup(group));
        const QStringList numbers =
            fields(text(Text::wordGroup(group)), u',', WordsPerGroup, where);
        std::array<int, WordsPerGroup> words{};
        for (int k = 0; k < WordsPerGroup; ++k)
            words[k] = number(numbers[k], 0, static_cast<int>(words_.size()) - 1, where);
        groups_.push_back(words);
    }
}

void Content::readLevel(int level, const QString &table)
{
    const QString where = origin(Text::squareTable(level));
    const QStringList entries = fields(table, u'/', LastSquare + 1, where);
    for (int s = 0; s <= LastSquare; ++s) {
        const QStringList pair = fields(entries[s], u',', 2, where);
        const auto kind = static_cast<SquareKind>(
            number(pair[0], 0, static_cast<int>(SquareKind::Chance), where));
        require((kind == SquareKind::Start) == (s == 0), where,
                QStringLiteral("square %1 has kind %2").arg(s).arg(pair[0]));
        const int index =
            number(pair[1], kind == SquareKind::Start ? 0 : 1, highestIndex(kind), where);
        levels_[level - 1][s] = {kind, index};
    }
}

// A failed quiz walks back to the square that taught its words, so that square must exist
// and lie behind the quiz.
void Content::checkLevel(int level) const
{
    for (int s = 1; s <= LastSquare; ++s) {
        const Square quiz = square(level, s);
        if (quiz.kind != SquareKind::Quiz)
            continue;
        const int taught = teachingSquare(level, quiz.index);
        require(taught >= 1 && taught < s, origin(Text::squareTable(level)),
                QStringLiteral("the quiz on square %1 has no teaching square before it").arg(s));
    }
}

void Content::readPoems(const std::function<QString(int)> &text)
{
    for (int p = 0; p < Text::PoemCount; ++p) {
        Poem &poem = poems_[p];
        poem.title = text(Text::poemTitle(p));
        poem.poet = text(Text::poemPoet(p));
        for (int line = 0; line < static_cast<int>(poem.lines.size()); ++line)
            poem.lines[line] = text(Text::poemLine(p, line));
    }
}
