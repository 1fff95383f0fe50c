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
    PlayedSound word(int k) const { return {Sound::wordSound(Asked[k]), PlayMode::Async}; }
};

const PlayedSound Right{Sound::RightAnswer, PlayMode::Sync};

TEST_P(WordQuiz, standsTheCaptionsInTheShuffledPlacesAndLevelThreeAddsTheNextGroup)
{
    open();
    EXPECT_EQ(record.stage, Stage::Quiz);
    EXPECT_EQ(view.scene, 0);
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
        game.onCaptionPressed(k);
    EXPECT_EQ(platform.output.played,
              (std::vector<PlayedSound>{word(0),
                                        Right,
                                        word(1),
                                        Right,
                                        word(2),
                                        Right,
                                        word(3),
                                        Right,
                                        {Sound::QuizPassed, PlayMode::Sync}}));
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
            game.onCaptionPressed(slot);
        std::vector<PlayedSound> heard{word(0)};
        if (presses.size() == 2)
            heard.insert(heard.end(), {Right, word(1)});
        heard.push_back({Sound::QuizFailed, PlayMode::Sync});
        EXPECT_EQ(platform.output.played, heard);
        EXPECT_FALSE(record.spinnerArmed);
        EXPECT_TRUE(view.shownCaptions().empty());
        const int taught = content().teachingSquare(level(), Index);
        EXPECT_EQ(walkUntilStopped(), 2 * (quizSquare - taught) + 1);
        EXPECT_EQ(record.kittenSquare, taught);
        EXPECT_EQ(record.stage, Stage::Teaching);
    }
}

TEST_P(WordQuiz, theTadpoleRepeatsTheAskedWordAndShowsItsLookOnlyWhileTheQuizAsks)
{
    open();
    game.onCaptionPressed(0);
    game.onTadpoleClicked();
    EXPECT_EQ(platform.output.played.back(),
              (PlayedSound{Sound::wordSound(Asked[1]), PlayMode::Async}));
    game.onButtonHovered(Button::Tadpole, true);
    EXPECT_EQ(view.buttons[Button::Tadpole].picture, Bitmap::TadpoleButtonHovered);
    EXPECT_EQ(view.pointerHolder, Button::Tadpole);
    game.onButtonHovered(Button::Tadpole, false);
    EXPECT_EQ(view.buttons[Button::Tadpole].picture, Bitmap::TadpoleButton);
    EXPECT_EQ(view.pointerHolder, std::nullopt);

    for (int k = 1; k < 4; ++k)
        game.onCaptionPressed(k);
    forgetSounds();
    game.onTadpoleClicked();
    game.onButtonHovered(Button::Tadpole, true);
    EXPECT_TRUE(platform.output.played.empty());
    EXPECT_EQ(view.buttons[Button::Tadpole].picture, Bitmap::TadpoleButton);
    EXPECT_EQ(view.pointerHolder, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, WordQuiz, ::testing::Range(1, LevelCount + 1));

} // namespace
