// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"

#include <algorithm>
#include <utility>

namespace {

// A whole game from start-up to the end scene through the game's input: the child spins,
// sits through every stage, leaves teaching with the bee and answers the quizzes, once wrongly.
class WholeGame : public GameFixture {
protected:
    // Hears each held sound to its end. Quizzes draw their layout as they open, chance squares
    // their creature: the caterpillar and the bee in turn.
    void hearHeldSounds()
    {
        for (int guard = 0; guard < 20 && platform.output.isHolding(); ++guard) {
            const SoundId held = platform.output.played.back().sound;
            if (held == Sound::announcement(SquareKind::Quiz))
                platform.draws.insert(platform.draws.end(), record.level == 3 ? 8 : 4, 0.0f);
            if (held == Sound::announcement(SquareKind::Chance))
                platform.scriptResults(2, {chances++ % 2});
            platform.output.endHeldSound();
        }
    }

    // What a child who knows the words does until the spinner is armed again.
    void finishStage()
    {
        hearHeldSounds();
        for (int guard = 0; guard < 20 && !record.spinnerArmed && !record.gameOver(); ++guard) {
            if (view.buttons[Button::Bee].shown)
                game.onButtonClicked(Button::Bee);
            else if (record.tadpoleActive && std::exchange(failNextQuiz, false))
                game.onCaptionPressed(record.quizAnswered + 1);
            for (int press = 0; press < 4 && record.tadpoleActive; ++press) {
                game.onCaptionPressed(record.quizAnswered);
                hearHeldSounds();
            }
            hearHeldSounds();
            walkUntilStopped();
            hearHeldSounds();
        }
        ASSERT_TRUE(record.spinnerArmed || record.gameOver());
    }

    bool heard(SoundId sound, bool held) const
    {
        const auto &played = platform.output.played;
        return std::find(played.begin(), played.end(), PlayedSound{sound, held}) != played.end();
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
        EXPECT_TRUE(heard(Sound::narration(level), false)) << level;
    for (SoundId sound :
         {Sound::CaterpillarStory, Sound::BeeStory, Sound::QuizPassed, Sound::QuizFailed})
        EXPECT_TRUE(heard(sound, true)) << sound.number;
    EXPECT_TRUE(std::any_of(platform.output.played.begin(), platform.output.played.end(),
                            [](const PlayedSound &s) {
                                return s.sound.number >= Sound::recitation(0).number &&
                                       s.sound.number <= Sound::recitation(4).number;
                            }));
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{Sound::EndNarration, false}));
    EXPECT_EQ(platform.output.heldCutOff, 0);
    EXPECT_EQ(view.scene, Bitmap::EndScene);
    EXPECT_FALSE(record.spinnerArmed);

    // The learning record notes the game and nothing more: each quiz word answered once, the
    // one wrong press, one day played up to the last level, too few days for a word to be known.
    int answers = 0, wrong = 0;
    for (int word = 0; word < content().wordCount(); ++word) {
        EXPECT_NE(learning.state(word), WordState::Known) << word;
        for (const WordDay &day : learning.wordDays(word)) {
            answers += day.right + day.wrong;
            wrong += day.wrong;
            EXPECT_EQ(day.taught, 0) << word;
        }
    }
    EXPECT_EQ(wrong, 1);
    EXPECT_EQ(answers % 4, 1);
    ASSERT_EQ(learning.playDays().size(), 1u);
    EXPECT_EQ(learning.playDays().front().level, LevelCount);
}

} // namespace
