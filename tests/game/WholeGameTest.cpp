#include "GameFixture.h"
#include "PictureBox.h"
#include "Spinner.h"
#include "Stages.h"
#include "WindowButtons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

// A whole game from start-up to the end scene through the real handlers: the child spins,
// sits through every stage, leaves teaching with the bee and answers tests, once wrongly.
class WholeGame : public GameFixture {
protected:
    // The shuffles draw when a test is announced (113), the chance squares when theirs is
    // (114): the caterpillar, then the bee, alternately.
    WholeGame()
    {
        platform.output.duringSyncPlay = [this](int id) {
            if (id == 113)
                platform.draws.insert(platform.draws.end(), state.level == 3 ? 8 : 4, 0.0f);
            if (id == 114)
                platform.scriptDraws({chances++ % 2 == 0 ? 0.25f : 0.75f});
        };
    }

    // A click on the spinner that shows face, then the second's pause and the walk.
    void spin(int face)
    {
        platform.scriptResults(6, {face - 1});
        form.spinner().PicTurn_Click();
        ASSERT_EQ(controls.PicTurn->picture(), Resources::bitmap(109 + face));
        form.spinner().Timer1_Timer();
        walkUntilStopped();
    }

    // What a child who knows the words does until the spinner is armed again.
    void finishStage()
    {
        for (int guard = 0; guard < 20 && !state.canSpin && state.level < 4; ++guard) {
            if (!controls.PicOut->isHidden())
                form.buttons().PicOut_Click();
            else if (state.replayEnabled && std::exchange(failNextTest, false))
                form.stages().Label1_MouseDown(state.examCount + 1);
            else if (state.replayEnabled)
                for (int k = 0; k < 4; ++k)
                    form.stages().Label1_MouseDown(k);
            walkUntilStopped();
        }
        ASSERT_TRUE(state.canSpin || state.level == 4);
    }

    bool heard(int id, PlayMode mode) const
    {
        const auto &played = platform.output.played;
        return std::any_of(played.begin(), played.end(),
                           [&](const PlayedSound &s) { return s.id == id && s.mode == mode; });
    }

    int chances = 0;
    bool failNextTest = false;
};

TEST_F(WholeGame, playsFromStartUpThroughThreeLevelsToTheEndScene)
{
    // Level 1: teaching, a failed test and the walk back, teaching again, a poem, the
    // caterpillar; level 2 opens on a test and the bee carries the kitten to a poem; level 3.
    std::vector<int> faces = {1, 2, 3, 3, 6, 6, 6, 6, 6, 6, 6, 2};
    faces.resize(40, 6);
    int spins = 0;
    failNextTest = true;
    for (int face : faces) {
        if (state.level == 4)
            break;
        spin(face);
        ++spins;
        finishStage();
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(state.level, 4);
    EXPECT_LT(spins, 30);

    for (int narration : {122, 123, 124})
        EXPECT_TRUE(heard(narration, PlayMode::Async)) << narration;
    EXPECT_FALSE(failNextTest);
    for (int verdictOrCreature : {103, 104, 106, 107})
        EXPECT_TRUE(heard(verdictOrCreature, PlayMode::Sync)) << verdictOrCreature;
    EXPECT_TRUE(std::any_of(platform.output.played.begin(), platform.output.played.end(),
                            [](const PlayedSound &s) { return s.id >= 301 && s.id <= 305; }));
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{124, PlayMode::Async, {}}));

    // The end scene is up; what it leaves dead is the game flow's end-of-level-3 test.
    EXPECT_FALSE(state.canSpin);
    EXPECT_EQ(scene(), rgb32(Resources::bitmap(124)));
}

} // namespace
