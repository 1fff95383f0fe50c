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
    RecordingStages(const GameState &state, const RecordingSoundOutput &output)
        : state_(state), output_(output)
    {
    }

    void recitePoem(int poemIndex) override { record("poem", poemIndex); }
    void teachWordsLevel1() override { record("teach1"); }
    void teachWordsLevel2Up() override { record("teach2up"); }
    void startWordTest() override { record("test"); }
    void runEventSquare() override { record("event"); }

    std::vector<Opened> opened;

private:
    void record(const char *stage, int poem = -1)
    {
        opened.push_back({QString::fromLatin1(stage), poem, output_.played.size(), state_.canSpin});
    }

    const GameState &state_;
    const RecordingSoundOutput &output_;
};

class SquareDispatchEntry : public ::testing::Test {
protected:
    SquareDispatchEntry()
    {
        ContentTables::loadBoardGrid(state);
        useLevel(1);
        state.canSpin = true;
    }

    void useLevel(int level)
    {
        state.level = static_cast<int16_t>(level);
        ContentTables::loadLevelTables(state);
    }

    // Enters square and returns the one stage it opened (an empty record if none or more).
    Opened enter(int square)
    {
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

TEST_F(SquareDispatchEntry, poemSquareAnnouncesItselfThenRecitesItsPoemCountedFromZero)
{
    const int poemSquares[] = {6, 14, 21, 28, 35};
    for (int poem = 0; poem < 5; ++poem) {
        SCOPED_TRACE(poem);
        state.stageState = QStringLiteral("playword");
        EXPECT_EQ(enter(poemSquares[poem]), (Opened{"poem", poem, 1, false}));
        EXPECT_EQ(output.played.front(), (PlayedSound{111, PlayMode::Sync, {}}));
        EXPECT_EQ(state.stageState, "playstory");
    }
}

TEST_F(SquareDispatchEntry, teachingSquareOpensTheLevelOneVariantOnlyAtLevelOne)
{
    EXPECT_EQ(enter(2), (Opened{"teach1", -1, 1, false}));
    EXPECT_EQ(output.played, (std::vector<PlayedSound>{{112, PlayMode::Sync, {}}}));
    for (int level : {2, 3}) {
        SCOPED_TRACE(level);
        useLevel(level);
        EXPECT_EQ(enter(state.teachSquareOf[1]), (Opened{"teach2up", -1, 1, false}));
    }
}

TEST_F(SquareDispatchEntry, testAndEventSquaresOpenTheirStagesAfterTheirAnnouncements)
{
    EXPECT_EQ(enter(4), (Opened{"test", -1, 1, false}));
    EXPECT_EQ(output.ids(), std::vector<int>{113});
    EXPECT_EQ(enter(7), (Opened{"event", -1, 1, false}));
    EXPECT_EQ(output.played, (std::vector<PlayedSound>{{114, PlayMode::Sync, {}}}));
}

TEST_F(SquareDispatchEntry, onlyThePoemSquareSetsTheStageState)
{
    for (int square : {2, 4, 7}) {
        SCOPED_TRACE(square);
        state.stageState = QStringLiteral("whatdo");
        enter(square);
        EXPECT_EQ(state.stageState, "whatdo");
    }
}

TEST_F(SquareDispatchEntry, squareWithoutAStageIsNotAnnouncedAndArmsTheSpinner)
{
    for (int kind : {0, 5}) {
        SCOPED_TRACE(kind);
        state.squareTable[10][0] = static_cast<int16_t>(kind);
        state.canSpin = false;
        enter(10);
        EXPECT_TRUE(stages.opened.empty());
        EXPECT_TRUE(output.played.empty());
        EXPECT_TRUE(state.canSpin);
    }
}

} // namespace
