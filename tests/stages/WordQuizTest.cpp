// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

// Quiz index 13 asks group 12 (words 16, 20, 24, 28); at level 3 group 13 (words 17, 21, 25,
// 29) stands among them.
constexpr int Index = 13;
const int Asked[] = {16, 20, 24, 28};
const int Distractors[] = {17, 21, 25, 29};

class WordQuiz : public GameFixture, public ::testing::WithParamInterface<int> {
protected:
    int level() const { return GetParam(); }
    // The shuffle's passes move these places to the front: the captions then stand in the
    // order 3, 2, 1, 0 (and at level 3, 7, 6, 5, 4, 3, 2, 1, 0).
    void open()
    {
        if (level() == 3)
            platform.scriptResults(8, {1, 2, 3, 4, 5, 6, 7, 0});
        else
            platform.scriptResults(4, {1, 2, 3, 0});
        enter(level(), SquareKind::Quiz, Index);
    }
    PlayedSound word(int k) const { return {Sound::wordSound(Asked[k]), false}; }
    // A press on a caption, and every sound it holds heard to its end.
    void press(int slot)
    {
        game.onCaptionPressed(slot);
        endHeldSounds();
    }
};

const PlayedSound Right{Sound::RightAnswer, true};

TEST_P(WordQuiz, standsTheCaptionsInTheShuffledPlacesAndLevelThreeAddsTheNextGroup)
{
    open();
    EXPECT_EQ(record.stage, Stage::Quiz);
    EXPECT_EQ(view.scene, BitmapId{});
    EXPECT_EQ(view.buttons[Button::Tadpole], (FakeView::ButtonLook{Bitmap::TadpoleButton, true}));
    EXPECT_EQ(platform.output.played, std::vector<PlayedSound>{word(0)});
    const int count = level() == 3 ? 8 : 4;
    EXPECT_EQ(static_cast<int>(view.shownCaptions().size()), count);
    for (int slot = 0; slot < count; ++slot) {
        const int place = count - 1 - slot;
        const int word = slot < 4 ? Asked[slot] : Distractors[slot - 4];
        EXPECT_EQ(view.captions[slot].text, content().word(word)) << slot;
        const QPoint expected = level() == 3 ? QPoint(50 + 100 * (place % 4), place < 4 ? 180 : 260)
                                : level() == 2 ? QPoint(30 + 125 * place, 180)
                                               : QPoint(30 + 125 * place, -1); // keeps its top
        EXPECT_EQ(view.captions[slot].at, expected) << slot;
    }
    // Level 1 puts each word's picture, hidden, in its caption's column.
    for (int slot = 0; slot < 4 && level() == 1; ++slot) {
        EXPECT_EQ(view.pictures[slot].picture, Bitmap::wordPicture(Asked[slot]));
        EXPECT_EQ(view.pictures[slot].left, 13 + 125 * (3 - slot));
        EXPECT_FALSE(view.pictures[slot].shown);
    }
}

TEST_P(WordQuiz, asksTheWordsInGroupOrderAndFourRightPressesPass)
{
    open();
    for (int k = 0; k < 4; ++k)
        press(k);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{word(0),
                                                                Right,
                                                                word(1),
                                                                Right,
                                                                word(2),
                                                                Right,
                                                                word(3),
                                                                Right,
                                                                {Sound::QuizPassed, true}}));
    EXPECT_TRUE(record.spinnerArmed);
    EXPECT_TRUE(view.shownCaptions().empty());
    EXPECT_EQ(view.scene, Bitmap::scene(level()));
    EXPECT_FALSE(view.buttons[Button::Tadpole].shown);
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
}

// Presses that fail: a wrong caption at once, a distractor, the caption just answered again.
TEST_P(WordQuiz, theFirstWrongPressFailsAndTheKittenWalksBackToTheSquareThatTaughtTheWords)
{
    for (std::vector<int> presses : {std::vector<int>{1}, {0, 5}, {0, 0}}) {
        if (presses.back() >= 4 && level() != 3)
            continue;
        open();
        const int quizSquare = record.kittenSquare;
        for (int slot : presses)
            press(slot);
        const PlayedSound failed{Sound::QuizFailed, true};
        const auto heard = presses.size() == 2
                               ? std::vector<PlayedSound>{word(0), Right, word(1), failed}
                               : std::vector<PlayedSound>{word(0), failed};
        EXPECT_EQ(platform.output.played, heard);
        EXPECT_FALSE(record.spinnerArmed);
        EXPECT_TRUE(view.shownCaptions().empty());
        const int taught = content().teachingSquare(level(), Index);
        EXPECT_EQ(walkUntilStopped(), 2 * (quizSquare - taught) + 1);
        EXPECT_EQ(record.kittenSquare, taught);
        endHeldSounds();
        EXPECT_EQ(record.stage, Stage::Teaching);
        // The captions pressed in the quiz show no pressed look in the teaching.
        for (int slot : view.shownCaptions())
            EXPECT_FALSE(view.captions[slot].red) << slot;
    }
}

// A child's double tap: the second tap lands while "right" is heard, and is no answer to the
// next word, which the child has not heard yet.
TEST_P(WordQuiz, aSecondTapWhileRightIsHeardIsNoAnswer)
{
    open();
    game.onCaptionPressed(0);
    game.onCaptionPressed(0);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{word(0), Right}));
    endHeldSounds();
    EXPECT_EQ(platform.output.played.back(), word(1));
    EXPECT_EQ(record.quizAnswered, 1);
    EXPECT_TRUE(record.tadpoleActive);
}

TEST_P(WordQuiz, theTadpoleRepeatsTheAskedWordAndShowsItsLookOnlyWhileTheQuizAsks)
{
    open();
    press(0);
    game.onButtonClicked(Button::Tadpole);
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{Sound::wordSound(Asked[1]), false}));
    game.onButtonHovered(Button::Tadpole, true);
    EXPECT_EQ(view.buttons[Button::Tadpole].picture, Bitmap::TadpoleButtonHovered);
    game.onButtonHovered(Button::Tadpole, false);
    EXPECT_EQ(view.buttons[Button::Tadpole].picture, Bitmap::TadpoleButton);

    for (int k = 1; k < 4; ++k)
        press(k);
    forgetSounds();
    game.onButtonClicked(Button::Tadpole);
    game.onButtonHovered(Button::Tadpole, true);
    EXPECT_TRUE(platform.output.played.empty());
    EXPECT_EQ(view.buttons[Button::Tadpole].picture, Bitmap::TadpoleButton);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, WordQuiz, ::testing::Range(1, LevelCount + 1));

} // namespace
