#include "ContentTables.h"
#include "GameState.h"

#include <gtest/gtest.h>

using ContentTables::parseContentLine;

namespace {

const QString Main = QStringLiteral("main");
const QString Word = QStringLiteral("word");

QString tabbed(const QStringList &fields)
{
    return fields.join(u'\t');
}

} // namespace

TEST(ParseContentLine, MainLineFillsRowCounterColumnByColumnUpToSeventeenFields)
{
    GameState state;
    state.boardGrid[3][5] = 99;
    parseContentLine(state, tabbed({"7", "0", "12"}), 5, Main);
    EXPECT_EQ(state.boardGrid[0][5], 7);
    EXPECT_EQ(state.boardGrid[1][5], 0);
    EXPECT_EQ(state.boardGrid[2][5], 12);
    EXPECT_EQ(state.boardGrid[3][5], 99) << "a column after the last field keeps its value";
    EXPECT_EQ(state.boardGrid[0][4], 0) << "other rows are untouched";
    EXPECT_EQ(state.boardGrid[5][0], 0) << "the counter selects the row, not the column";

    QStringList fields(GameState::GridSize, QStringLiteral("100"));
    fields[0] = QStringLiteral("0");
    parseContentLine(state, tabbed(fields), GameState::GridSize - 1, Main);
    EXPECT_EQ(state.boardGrid[0][16], 0);
    EXPECT_EQ(state.boardGrid[16][16], 100);
}

TEST(ParseContentLine, WordLineFillsGroupCounterWithItsFieldsAsWrittenAndLaterSlotsKeepTheirText)
{
    GameState state;
    state.wordGroups[2][0] = QStringLiteral("old");
    parseContentLine(state, QStringLiteral("12,13,14,15"), 3, Word);
    parseContentLine(state, QStringLiteral(" 7,"), 0, Word);
    auto group = [&state](int g) {
        QStringList words;
        for (int k = 0; k < 5; ++k)
            words << state.wordGroups[k][g];
        return words;
    };
    EXPECT_EQ(group(3), QStringList({"12", "13", "14", "15", ""}));
    EXPECT_EQ(group(0), QStringList({" 7", "", "old", "", ""}));
    EXPECT_EQ(group(2), QStringList(5, ""));
    EXPECT_EQ(group(4), QStringList(5, ""));
}

// Content is trusted: a malformed line is a programming error and stops the program.
TEST(ParseContentLineDeathTest, MalformedLineStopsNamingTheProblem)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    GameState state;
    EXPECT_DEATH(parseContentLine(state, tabbed({"1", "x", "3"}), 0, Main),
                 "main line .*\"x\" is not a 16-bit integer");
    EXPECT_DEATH(parseContentLine(state, tabbed({"1", "101"}), 0, Main),
                 "square number 101 is outside 0..100");
    EXPECT_DEATH(parseContentLine(state, tabbed(QStringList(GameState::GridSize + 1, "0")), 0, Main),
                 "grid column 17 is outside 0..16");
    EXPECT_DEATH(parseContentLine(state, QStringLiteral("1,2,3,4,5,6"), 0, Word),
                 "group word 5 is outside 0..4");
}
