#include "Catalogue.h"
#include "GameFixture.h"

#include <algorithm>
#include <utility>

namespace {

// A whole game from start-up to the end scene through the game's input: the child spins,
// sits through every stage, leaves teaching with the bee and answers the quizzes, once wrongly.
class WholeGame : public GameFixture {
protected:
    // Quizzes draw their layout as they open, chance squares their creature: the caterpillar
    // and the bee in turn.
    WholeGame()
    {
        platform.output.duringSyncPlay = [this](int id) {
            if (id == Sound::announcement(SquareKind::Quiz))
                platform.draws.insert(platform.draws.end(), record.level == 3 ? 8 : 4, 0.0f);
            if (id == Sound::announcement(SquareKind::Chance))
                platform.scriptResults(2, {chances++ % 2});
        };
    }

    // What a child who knows the words does until the spinner is armed again.
    void finishStage()
    {
        for (int guard = 0; guard < 20 && !record.spinnerArmed && !record.gameOver(); ++guard) {
            if (view.buttons[Button::Bee].shown)
                game.onBeeClicked();
            else if (record.tadpoleActive && std::exchange(failNextQuiz, false))
                game.onCaptionPressed(record.quizAnswered + 1);
            else
                while (record.tadpoleActive)
                    game.onCaptionPressed(record.quizAnswered);
            walkUntilStopped();
        }
        ASSERT_TRUE(record.spinnerArmed || record.gameOver());
    }

    bool heard(int id, PlayMode mode) const
    {
        const auto &played = platform.output.played;
        return std::find(played.begin(), played.end(), PlayedSound{id, mode}) != played.end();
    }

    int chances = 0;
    bool failNextQuiz = true;
};

TEST_F(WholeGame, playsFromStartUpThroughEveryLevelToTheEndScene)
{
    game.start();
    // Level 1: teaching, a failed quiz and the walk back, a poem, the caterpillar; then sixes.
    const int numbers[] = {1, 2, 3, 3, 6, 6, 6, 6, 6, 6, 6, 2};
    int spins = 0;
    while (!record.gameOver() && spins < 40) {
        spinAndWalk(spins < 12 ? numbers[spins] : 6);
        ++spins;
        finishStage();
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_TRUE(record.gameOver());
    EXPECT_FALSE(failNextQuiz);
    for (int level = 2; level <= LevelCount; ++level)
        EXPECT_TRUE(heard(Sound::narration(level), PlayMode::Async)) << level;
    for (int sound :
         {Sound::CaterpillarStory, Sound::BeeStory, Sound::QuizPassed, Sound::QuizFailed})
        EXPECT_TRUE(heard(sound, PlayMode::Sync)) << sound;
    EXPECT_TRUE(std::any_of(platform.output.played.begin(), platform.output.played.end(),
                            [](const PlayedSound &s) {
                                return s.id >= Sound::recitation(0) && s.id <= Sound::recitation(4);
                            }));
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{Sound::EndNarration, PlayMode::Async}));
    EXPECT_EQ(view.scene, Bitmap::EndScene);
    EXPECT_FALSE(record.spinnerArmed);
}

} // namespace
