#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <cstdint>

struct GameState;

// The built-in content tables: reads the board grid, the current level's square table, the word
// list and the word groups from the string resources into the game-state record, and derives the
// teaching map and the square coordinates from them.
//
// The content is part of the program and trusted, so a malformed table is a programming error:
// the parsers stop the program with a message naming the text it came from.
namespace ContentTables {

// Cuts text at every separator, keeping empty and untrimmed fields; "" gives one empty field.
QStringList splitFields(const QString &text, QChar separator);

// Kind "main": grid row `counter` from a tab-separated line; kind "word": group `counter` from a
// comma-separated line; any other kind does nothing. Slots after the line's last field keep
// their values.
void parseContentLine(GameState &state, const QString &line, int16_t counter, const QString &kind);

// Reads grid rows 0..11 from string resources 401-412 into boardGrid (done once, at start-up).
void loadBoardGrid(GameState &state);

// Rebuilds the tables of state.level in this order: square table, word list, word groups,
// teaching map, square coordinates. Entries the level's tables do not reach keep their values.
void loadLevelTables(GameState &state);

} // namespace ContentTables
