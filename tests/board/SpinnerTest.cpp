#include "Spinner.h"
#include "GameFixture.h"
#include "PictureBox.h"

#include <vector>

namespace {

class SpinnerClick : public GameFixture {
protected:
    // Which of the whirl bitmaps 113, 116, 117 the dial shows, 0 for anything else.
    int whirlFace() const
    {
        for (int bitmap : {113, 116, 117})
            if (faceIs(bitmap))
                return bitmap;
        return 0;
    }
};

TEST_F(SpinnerClick, showsTheFaceOfEachDrawAndKeepsItsCountForTheWalk)
{
    for (int drawn = 0; drawn <= 5; ++drawn) {
        SCOPED_TRACE(drawn);
        state.canSpin = true;
        platform.scriptResults(6, {drawn});
        clickOn(controls.PicTurn);
        EXPECT_EQ(state.stepsLeft, drawn);
        EXPECT_TRUE(faceIs(110 + drawn));
        EXPECT_TRUE(controls.Timer1->isActive());
        EXPECT_EQ(state.turnState, "playturn");
        EXPECT_FALSE(state.canSpin);
        EXPECT_FALSE(controls.Timer2->isActive());
    }
    EXPECT_TRUE(platform.draws.empty());
}

TEST_F(SpinnerClick, whirlShowsFourFramesEachWithAnEventRunThenAWaitAndEndsOnTheTiltedFour)
{
    std::vector<int> framesAtEventRuns;
    std::vector<int> waitsBeforeEventRuns;
    platform.duringPendingEvents = [&] {
        framesAtEventRuns.push_back(whirlFace());
        waitsBeforeEventRuns.push_back(platform.waits);
    };
    form.spinner().animateSpinner();

    EXPECT_EQ(framesAtEventRuns, (std::vector<int>{116, 113, 117, 113}));
    EXPECT_EQ(waitsBeforeEventRuns, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(platform.waits, 4);
    EXPECT_EQ(whirlFace(), 117);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{101, PlayMode::Async, {}}}));
}

TEST_F(SpinnerClick, isIgnoredWhenDisarmedOrPastTheLastLevel)
{
    for (const auto &[level, armed] : {std::pair{1, false}, std::pair{5, true}}) {
        SCOPED_TRACE(level);
        state.level = static_cast<int16_t>(level);
        state.canSpin = armed;
        clickOn(controls.PicTurn);
        EXPECT_TRUE(faceIs(111));
        EXPECT_TRUE(platform.output.played.empty());
        EXPECT_EQ(platform.pendingEventRuns, 0);
        EXPECT_FALSE(controls.Timer1->isActive());
        EXPECT_EQ(state.canSpin, armed);
    }
}

TEST_F(SpinnerClick, duringTheWhirlRunsANestedSpinWhoseDrawTheFaceShows)
{
    platform.scriptResults(6, {1, 4});
    bool clicked = false;
    platform.duringPendingEvents = [&] {
        if (!clicked)
            postClickOn(controls.PicTurn);
        clicked = true;
    };
    clickOn(controls.PicTurn);

    EXPECT_TRUE(platform.draws.empty());
    EXPECT_EQ(state.stepsLeft, 4);
    EXPECT_TRUE(faceIs(114));
    EXPECT_EQ(platform.output.ids(), (std::vector<int>{101, 101}));
    EXPECT_EQ(platform.pendingEventRuns, 8);
    EXPECT_EQ(platform.waits, 8);
    EXPECT_TRUE(controls.Timer1->isActive());
    EXPECT_FALSE(state.canSpin);
}

} // namespace
