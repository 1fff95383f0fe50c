#include "ContentTables.h"

#include "GameState.h"
#include "Resources.h"

#include <limits>

namespace ContentTables {
namespace {

constexpr int GridResource = 401;
constexpr int GridRows = 12;
constexpr int WordListResource = 101;
constexpr int GroupResource = 201;
constexpr int Groups = 17;
constexpr int LevelTableResource = 420;
constexpr int TeachingKind = 2;
// The teaching map looks at squares 1..80 although a level table fills only 0..43, so stale
// entries beyond the table take part in it too.
constexpr int LastMappedSquare = 80;
// Coordinates come from columns and rows 0..15; the shipped grid uses 0..11.
constexpr int PlacedLines = 16;

constexpr QStringView MainKind = u"main";
constexpr QStringView WordKind = u"word";

// The one place where content is checked. A failed check stops the program: the tables are
// built in, so a malformed one is a programming error, never something to carry on with.
void require(bool holds, const QString &where, const QString &problem)
{
    if (!holds)
        qFatal("Malformed content in %s: %s", qPrintable(where), qPrintable(problem));
}

void requireIndex(int index, int size, const QString &where, const char *what)
{
    require(
        index >= 0 && index < size, where,
        QStringLiteral("%1 %2 is outside 0..%3").arg(QLatin1String(what)).arg(index).arg(size - 1));
}

int16_t integerField(const QString &field, const QString &where)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    require(ok && value >= std::numeric_limits<int16_t>::min() &&
                value <= std::numeric_limits<int16_t>::max(),
            where, QStringLiteral("\"%1\" is not a 16-bit integer").arg(field));
    return static_cast<int16_t>(value);
}

QString resourceName(int id)
{
    return QStringLiteral("string resource %1").arg(id);
}

void parseGridRow(GameState &state, const QString &line, int row, const QString &where)
{
    requireIndex(row, GameState::GridSize, where, "grid row");
    const QStringList fields = splitFields(line, u'\t');
    for (int column = 0; column < fields.size(); ++column) {
        requireIndex(column, GameState::GridSize, where, "grid column");
        const int16_t square = integerField(fields[column], where);
        requireIndex(square, GameState::SquareSlots, where, "square number");
        state.boardGrid[column][row] = square;
    }
}

void parseGroup(GameState &state, const QString &line, int group, const QString &where)
{
    requireIndex(group, GameState::GroupSlots, where, "group");
    const QStringList fields = splitFields(line, u',');
    for (int k = 0; k < fields.size(); ++k) {
        requireIndex(k, GameState::GroupWordSlots, where, "group word");
        state.wordGroups[k][group] = fields[k];
    }
}

// parseContentLine with the name of the line's origin for the failure message. Both kind tests
// are made, one after the other.
void parseLine(GameState &state, const QString &line, int16_t counter, QStringView kind,
               const QString &where)
{
    if (kind == MainKind)
        parseGridRow(state, line, counter, where);
    if (kind == WordKind)
        parseGroup(state, line, counter, where);
}

void loadSquareTable(GameState &state)
{
    const int id = LevelTableResource + state.level;
    const QString where = resourceName(id);
    const QStringList entries = splitFields(Resources::string(id), u'/');
    for (state.squareCounter = 0; state.squareCounter < entries.size(); ++state.squareCounter) {
        const int square = state.squareCounter;
        requireIndex(square, GameState::SquareSlots, where, "square");
        const QString &entry = entries[square];
        const qsizetype comma = entry.indexOf(u',');
        require(comma >= 0, where, QStringLiteral("entry \"%1\" has no comma").arg(entry));
        state.squareTable[square][0] = integerField(entry.left(comma), where);
        state.squareTable[square][1] = integerField(entry.mid(comma + 1), where);
    }
}

void loadWordList(GameState &state)
{
    const QString where = resourceName(WordListResource);
    const QStringList words = splitFields(Resources::string(WordListResource), u',');
    for (int i = 0; i < words.size(); ++i) {
        requireIndex(i, GameState::WordSlots, where, "word");
        state.wordList[i] = words[i];
    }
}

void loadWordGroups(GameState &state)
{
    for (state.groupCounter = 0; state.groupCounter < Groups; ++state.groupCounter) {
        const int id = GroupResource + state.groupCounter;
        parseLine(state, Resources::string(id), state.groupCounter, WordKind, resourceName(id));
    }
}

void mapTeachingSquares(GameState &state)
{
    const QString where = resourceName(LevelTableResource + state.level);
    for (int square = 1; square <= LastMappedSquare; ++square) {
        if (state.squareTable[square][0] != TeachingKind)
            continue;
        const int index = state.squareTable[square][1];
        requireIndex(index, GameState::TeachSlots, where, "teaching index");
        state.teachSquareOf[index] = static_cast<int16_t>(square);
    }
}

void placeSquares(GameState &state)
{
    const QString where = QStringLiteral("board grid");
    for (int column = 0; column < PlacedLines; ++column) {
        for (int row = 0; row < PlacedLines; ++row) {
            // 0 marks an empty cell, so square 0 is never placed.
            const int square = state.boardGrid[column][row];
            if (square == 0)
                continue;
            requireIndex(square, GameState::SquareSlots, where, "square number");
            state.squareCol[square] = static_cast<int16_t>(column);
            state.squareRow[square] = static_cast<int16_t>(row);
        }
    }
}

} // namespace

QStringList splitFields(const QString &text, QChar separator)
{
    return text.split(separator, Qt::KeepEmptyParts);
}

void parseContentLine(GameState &state, const QString &line, int16_t counter, const QString &kind)
{
    parseLine(state, line, counter, kind, QStringLiteral("%1 line \"%2\"").arg(kind, line));
}

void loadBoardGrid(GameState &state)
{
    for (state.gridRowCounter = 0; state.gridRowCounter < GridRows; ++state.gridRowCounter) {
        const int id = GridResource + state.gridRowCounter;
        parseLine(state, Resources::string(id), state.gridRowCounter, MainKind, resourceName(id));
    }
}

void loadLevelTables(GameState &state)
{
    loadSquareTable(state);
    loadWordList(state);
    loadWordGroups(state);
    mapTeachingSquares(state);
    placeSquares(state);
}

} // namespace ContentTables
