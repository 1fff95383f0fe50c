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

TEST_P(ContentLevelTables, SquareZeroStartsAndTheOthersAreFivePoemSixteenTeachingSixteenTestSixEvent)
{
    const GameState state = loadedAt(GetParam());
    EXPECT_EQ(state.squareTable[0], (std::array<int16_t, 2>{StartKind, 0}));
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
    EXPECT_EQ(state.wordGroups[3][15], "31");
    EXPECT_EQ(state.wordGroups[2][16], "2");
    EXPECT_TRUE(state.wordGroups[4][0].isEmpty());
}

TEST_P(ContentLevelTables, LoadingOverAnotherLevelOrAgainGivesTheTablesOfAFreshLoad)
{
    GameState state = loadedAt(GetParam() % 3 + 1);
    state.level = static_cast<int16_t>(GetParam());
    ContentTables::loadLevelTables(state);
    expectSameTables(state, loadedAt(GetParam()));
    ContentTables::loadLevelTables(state);
    expectSameTables(state, loadedAt(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Levels1To3, ContentLevelTables, testing::Values(1, 2, 3));

TEST(ContentLevelTableEntries, SquaresHoldTheKindAndIndexOfTheirLevelTable)
{
    struct SquareEntry {
        int level, square, kind, index;
    };
    const SquareEntry entries[] = {
        {1, 1, EventKind, 1},  {1, 22, TeachingKind, 8}, {1, 43, TestKind, 16},
        {2, 7, PoemKind, 1},   {2, 38, EventKind, 6},    {3, 5, TestKind, 2},
        {3, 32, TeachingKind, 13},
    };
    for (const SquareEntry &e : entries) {
        SCOPED_TRACE(testing::Message() << "level " << e.level << " square " << e.square);
        const GameState state = loadedAt(e.level);
        EXPECT_EQ(state.squareTable[e.square],
                  (std::array<int16_t, 2>{static_cast<int16_t>(e.kind),
                                          static_cast<int16_t>(e.index)}));
    }
}

// Content is trusted: a malformed table is a programming error and stops the program.
TEST(ContentLevelTableEntriesDeathTest, TeachingIndexAbove80StopsNamingTheLevelTable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    GameState state;
    state.squareTable[50] = {TeachingKind, 81};
    EXPECT_DEATH(ContentTables::loadLevelTables(state),
                 "string resource 421: teaching index 81 is outside 0..80");
}
