#include "ContentTables.h"
#include "GameState.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

constexpr int LastSquare = 43;
constexpr int ShippedLines = 12;

// A record after start-up's grid load and a level load, which places the squares.
class ContentBoardGrid : public testing::Test {
  protected:
    void SetUp() override
    {
        ContentTables::loadBoardGrid(state);
        ContentTables::loadLevelTables(state);
    }
    GameState state;
};

} // namespace

TEST_F(ContentBoardGrid, GridLoadReadsTwelveRowsAndLeavesTheOtherCellsEmpty)
{
    EXPECT_EQ(state.gridRowCounter, ShippedLines);
    for (int column = 0; column < GameState::GridSize; ++column) {
        for (int row = 0; row < GameState::GridSize; ++row) {
            EXPECT_TRUE(state.boardGrid[column][row] == 0
                        || (column < ShippedLines && row < ShippedLines)) << column << "," << row;
        }
    }
}

TEST_F(ContentBoardGrid, GridPlacesSquares1To43ExactlyOnceEachAndNothingElse)
{
    std::array<int, GameState::SquareSlots> seen{};
    for (const auto &column : state.boardGrid)
        for (int16_t square : column)
            ++seen[square];
    for (int square = 1; square < GameState::SquareSlots; ++square)
        EXPECT_EQ(seen[square], square <= LastSquare ? 1 : 0) << "square " << square;
}

TEST_F(ContentBoardGrid, SquaresLieAtTheCornersOfTheRing)
{
    const int cells[][3] = {{1, 0, 11}, {12, 11, 11}, {23, 11, 0}, {34, 0, 0}, {43, 0, 9}};
    for (const auto &[square, column, row] : cells) {
        EXPECT_EQ(state.squareCol[square], column) << square;
        EXPECT_EQ(state.squareRow[square], row) << square;
    }
}

TEST_F(ContentBoardGrid, CoordinatesOfEverySquareLeadBackToItsCell)
{
    for (int square = 1; square <= LastSquare; ++square)
        EXPECT_EQ(state.boardGrid[state.squareCol[square]][state.squareRow[square]], square);
}

TEST_F(ContentBoardGrid, ConsecutiveSquaresAreNeighbouringCells)
{
    for (int square = 1; square < LastSquare; ++square) {
        const int dc = state.squareCol[square + 1] - state.squareCol[square];
        const int dr = state.squareRow[square + 1] - state.squareRow[square];
        EXPECT_EQ(std::abs(dc) + std::abs(dr), 1) << "squares " << square << " and " << square + 1;
    }
}
