#include "SquareDispatch.h"
#include "ContentTables.h"
#include "GameState.h"
#include "RecordingPlatform.h"
#include "Sounds.h"
#include "StageOpeners.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace {

// One stage opened by the dispatch, with what the game looked like at that moment.
struct Opened {
    QString stage;
    int poem = -1;
    std::size_t soundsBefore = 0;
    bool canSpin = true;

    bool operator==(const Opened &) const = default;
};

class RecordingStages : public StageOpeners {
public:
    RecordingStages(const GameState &s, const RecordingSoundOutput &o) : state(s), output(o) {}
    void recitePoem(int poemIndex) override { record("poem", poemIndex); }
    void teachWordsLevel1() override { record("teach1"); }
    void teachWordsLevel2Up() override { record("teach2up"); }
    void startWordTest() override { record("test"); }
    void runEventSquare() override { record("event"); }
    void record(const char *stage, int poem = -1)
    {
        opened.push_back({QString::fromLatin1(stage), poem, output.played.size(), state.canSpin});
    }

    std::vector<Opened> opened;
    const GameState &state;
    const RecordingSoundOutput &output;
};

class SquareDispatchEntry : public ::testing::Test {
protected:
    SquareDispatchEntry() { ContentTables::loadBoardGrid(state); }

    // Enters square of level and returns the one stage it opened (empty if none or more).
    Opened enter(int level, int square)
    {
        state.level = static_cast<int16_t>(level);
        ContentTables::loadLevelTables(state);
        stages.opened.clear();
        output.clear();
        state.catPos = static_cast<int16_t>(square);
        dispatch.enterSquare();
        return stages.opened.size() == 1 ? stages.opened.front() : Opened{};
    }

    GameState state;
    RecordingSoundOutput output;
    Sounds sounds{state, output};
    RecordingStages stages{state, output};
    SquareDispatch dispatch{state, sounds, stages};
};

// Each row: a square of a level and the stage it opens, after the announcement 110 + kind.
struct Dispatch {
    int level, square;
    const char *stage;
    int poem, announcement;
};

const Dispatch Dispatches[] = {
    {1, 6, "poem", 0, 111},     {1, 14, "poem", 1, 111},    {1, 21, "poem", 2, 111},
    {1, 28, "poem", 3, 111},    {1, 35, "poem", 4, 111},    {2, 26, "poem", 3, 111},
    {3, 23, "poem", 2, 111},    {1, 2, "teach1", -1, 112},  {2, 4, "teach2up", -1, 112},
    {3, 7, "teach2up", -1, 112}, {1, 4, "test", -1, 113},   {3, 5, "test", -1, 113},
    {1, 7, "event", -1, 114},   {2, 22, "event", -1, 114},
};

TEST_F(SquareDispatchEntry, eachKindIsAnnouncedThenOpensItsStageAndOnlyAPoemSetsTheStageState)
{
    for (const Dispatch &row : Dispatches) {
        SCOPED_TRACE(testing::Message() << "level " << row.level << " square " << row.square);
        state.stageState = QStringLiteral("whatdo");
        state.canSpin = true;
        EXPECT_EQ(enter(row.level, row.square), (Opened{row.stage, row.poem, 1, false}));
        EXPECT_EQ(output.played,
                  (std::vector<PlayedSound>{{row.announcement, PlayMode::Sync, {}}}));
        EXPECT_EQ(state.stageState, row.poem >= 0 ? "playstory" : "whatdo");
    }
}

TEST_F(SquareDispatchEntry, squareOfAKindOutsideOneToFourIsNotAnnouncedAndArmsTheSpinner)
{
    for (int kind : {0, 5, -1}) {
        SCOPED_TRACE(kind);
        state.squareTable[10][0] = static_cast<int16_t>(kind);
        state.canSpin = false;
        state.catPos = 10;
        output.clear();
        dispatch.enterSquare();
        EXPECT_TRUE(stages.opened.empty());
        EXPECT_TRUE(output.played.empty());
        EXPECT_TRUE(state.canSpin);
    }
}

} // namespace
