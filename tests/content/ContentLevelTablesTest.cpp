#include "ContentTables.h"
#include "GameState.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace {

constexpr int LastSquare = 43;
enum SquareKind { StartKind = 0, PoemKind = 1, TeachingKind = 2, TestKind = 3, EventKind = 4 };

GameState loadedAt(int level)
{
    GameState state;
    state.level = static_cast<int16_t>(level);
    ContentTables::loadBoardGrid(state);
    ContentTables::loadLevelTables(state);
    return state;
}

// Every table the level load writes, compared as a whole.
void expectSameTables(const GameState &a, const GameState &b)
{
    EXPECT_EQ(a.squareTable, b.squareTable);
    EXPECT_EQ(a.wordList, b.wordList);
    EXPECT_EQ(a.wordGroups, b.wordGroups);
    EXPECT_EQ(a.teachSquareOf, b.teachSquareOf);
    EXPECT_EQ(a.squareCol, b.squareCol);
    EXPECT_EQ(a.squareRow, b.squareRow);
    EXPECT_EQ(a.boardGrid, b.boardGrid);
}

int squareOf(const GameState &state, int kind, int index)
{
    for (int square = 0; square <= LastSquare; ++square) {
        if (state.squareTable[square][0] == kind && state.squareTable[square][1] == index)
            return square;
    }
    return -1;
}

class ContentLevelTables : public testing::TestWithParam<int> {};

} // namespace

TEST_P(ContentLevelTables, SquareZeroIsTheOnlyStartSquare)
{
    const GameState state = loadedAt(GetParam());
    EXPECT_EQ(state.squareTable[0], (std::array<int16_t, 2>{StartKind, 0}));
    for (int square = 1; square <= LastSquare; ++square) {
        EXPECT_GE(state.squareTable[square][0], PoemKind) << "square " << square;
        EXPECT_LE(state.squareTable[square][0], EventKind) << "square " << square;
    }
}

TEST_P(ContentLevelTables, LevelHasFivePoemSixteenTeachingSixteenTestAndSixEventSquares)
{
    const GameState state = loadedAt(GetParam());
    const std::map<int, int> indexesOfKind{
        {PoemKind, 5}, {TeachingKind, 16}, {TestKind, 16}, {EventKind, 6}};
    std::map<int, int> squaresOfKind;
    for (int square = 1; square <= LastSquare; ++square)
        ++squaresOfKind[state.squareTable[square][0]];
    EXPECT_EQ(squaresOfKind, indexesOfKind);
    for (const auto &[kind, count] : indexesOfKind) {
        for (int index = 1; index <= count; ++index)
            EXPECT_NE(squareOf(state, kind, index), -1) << "kind " << kind << " index " << index;
    }
}

TEST_P(ContentLevelTables, TeachingSquareOfEachIndexLiesBeforeItsTestSquare)
{
    const GameState state = loadedAt(GetParam());
    for (int index = 1; index <= 16; ++index) {
        EXPECT_EQ(state.teachSquareOf[index], squareOf(state, TeachingKind, index)) << index;
        EXPECT_LT(state.teachSquareOf[index], squareOf(state, TestKind, index)) << index;
    }
}

TEST_P(ContentLevelTables, WordListAndGroupsAreTheSameAtEveryLevel)
{
    const GameState state = loadedAt(GetParam());
    EXPECT_EQ(state.wordList[0], "厨房");
    EXPECT_EQ(state.wordList[31], "钟表");
    EXPECT_TRUE(state.wordList[32].isEmpty());
    EXPECT_EQ(state.wordGroups[0][0], "0");
    EXPECT_EQ(state.wordGroups[3][15], "31");
    EXPECT_EQ(state.wordGroups[2][16], "2");
    EXPECT_TRUE(state.wordGroups[4][0].isEmpty());
    EXPECT_TRUE(state.wordGroups[0][17].isEmpty());
}

TEST_P(ContentLevelTables, LoadingTheSameLevelTwiceLeavesEveryTableUnchanged)
{
    GameState state = loadedAt(GetParam());
    const GameState once = state;
    ContentTables::loadLevelTables(state);
    expectSameTables(state, once);
}

TEST_P(ContentLevelTables, LevelLoadedAfterAnotherHasTheTablesOfAFreshLoad)
{
    GameState state = loadedAt(GetParam() % 3 + 1);
    state.level = static_cast<int16_t>(GetParam());
    ContentTables::loadLevelTables(state);
    expectSameTables(state, loadedAt(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Levels1To3, ContentLevelTables, testing::Values(1, 2, 3));

struct SquareEntry {
    int level;
    int square;
    int kind;
    int index;
};

TEST(ContentLevelTableEntries, SquaresHoldTheKindAndIndexOfTheirLevelTable)
{
    const SquareEntry entries[] = {
        {1, 1, EventKind, 1},  {1, 6, PoemKind, 1},   {1, 22, TeachingKind, 8},
        {1, 42, EventKind, 6}, {1, 43, TestKind, 16}, {2, 1, EventKind, 1},
        {2, 7, PoemKind, 1},   {2, 22, EventKind, 4}, {2, 26, PoemKind, 4},
        {2, 38, EventKind, 6}, {2, 43, TestKind, 16}, {3, 1, EventKind, 1},
        {3, 5, TestKind, 2},   {3, 23, PoemKind, 3},  {3, 29, EventKind, 5},
        {3, 40, EventKind, 6}, {3, 43, TestKind, 16},
    };
    for (const SquareEntry &e : entries) {
        const GameState state = loadedAt(e.level);
        EXPECT_EQ(state.squareTable[e.square][0], e.kind)
            << "level " << e.level << " square " << e.square;
        EXPECT_EQ(state.squareTable[e.square][1], e.index)
            << "level " << e.level << " square " << e.square;
    }
}

TEST(ContentLevelTableEntries, TeachingMapPointsAtTheLevelsTeachingSquares)
{
    EXPECT_EQ(loadedAt(1).teachSquareOf[1], 2);
    EXPECT_EQ(loadedAt(1).teachSquareOf[4], 9);
    EXPECT_EQ(loadedAt(1).teachSquareOf[16], 40);
    EXPECT_EQ(loadedAt(2).teachSquareOf[2], 4);
    EXPECT_EQ(loadedAt(2).teachSquareOf[16], 41);
    EXPECT_EQ(loadedAt(3).teachSquareOf[3], 7);
    EXPECT_EQ(loadedAt(3).teachSquareOf[13], 32);
}

TEST(ContentLevelTableEntries, EntriesBeyondTheLevelTableKeepTheirValues)
{
    GameState state;
    state.squareTable[60] = {PoemKind, 2};
    state.teachSquareOf[0] = 5;
    state.teachSquareOf[20] = 7;
    state.wordList[40] = QStringLiteral("留");
    ContentTables::loadLevelTables(state);
    EXPECT_EQ(state.squareTable[60], (std::array<int16_t, 2>{PoemKind, 2}));
    EXPECT_EQ(state.teachSquareOf[0], 5);
    EXPECT_EQ(state.teachSquareOf[20], 7);
    EXPECT_EQ(state.wordList[40], "留");
}

TEST(ContentLevelTableEntries, StaleTeachingEntryBeyondTheTableJoinsTheTeachingMap)
{
    GameState state;
    state.squareTable[80] = {TeachingKind, 20};
    ContentTables::loadLevelTables(state);
    EXPECT_EQ(state.teachSquareOf[20], 80);
}

TEST(ContentLevelTableEntriesDeathTest, TeachingIndexAbove80StopsNamingTheLevelTable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    GameState state;
    state.squareTable[50] = {TeachingKind, 81};
    EXPECT_DEATH(ContentTables::loadLevelTables(state),
                 "string resource 421: teaching index 81 is outside 0..80");
}

TEST(ContentLevelTableEntriesDeathTest, GridSquareNumberAbove100Stops)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    GameState state;
    state.boardGrid[3][3] = 101;
    EXPECT_DEATH(ContentTables::loadLevelTables(state), "board grid: square number 101 is outside");
}
