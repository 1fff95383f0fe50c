// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"

namespace {

class TeachingStage : public GameFixture, public ::testing::WithParamInterface<int> {
protected:
    int level() const { return GetParam(); }
};

// Index 9 teaches group 8: words 0, 4, 8, 12.
constexpr int Index = 9;
const int GroupWords[] = {0, 4, 8, 12};

TEST_P(TeachingStage, laysTheGroupOutInARowOverTheClearedBoardWithPicturesOnlyAtLevelOne)
{
    enter(level(), SquareKind::Teaching, Index);
    EXPECT_EQ(record.stage, Stage::Teaching);
    EXPECT_EQ(view.scene, BitmapId{});
    EXPECT_TRUE(view.icons.empty());
    EXPECT_EQ(view.buttons[Button::Bee], (FakeView::ButtonLook{Bitmap::BeeButton, true}));
    EXPECT_EQ(view.shownCaptions(), (std::vector<int>{0, 1, 2, 3}));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(view.captions[k].text, content().word(GroupWords[k]));
        EXPECT_EQ(view.captions[k].at, QPoint(30 + 125 * k, 180));
        EXPECT_EQ(view.pictures[k].picture, Bitmap::wordPicture(GroupWords[k]));
        EXPECT_EQ(view.pictures[k].left, 13 + 125 * k);
        EXPECT_EQ(view.pictures[k].shown, level() == 1);
    }
    // The spinner waits for the bee.
    journal.clear();
    game.onSpinnerClicked();
    game.onBoardPressed();
    EXPECT_TRUE(journal.entries.isEmpty());
}

TEST_P(TeachingStage, aPressedCaptionSpeaksItsWordEachTimeAndTurnsRedUntilThePointerLeaves)
{
    enter(level(), SquareKind::Teaching, Index);
    game.onCaptionPressed(2);
    game.onCaptionPressed(2);
    const PlayedSound word{Sound::wordSound(GroupWords[2]), false};
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{word, word}));
    EXPECT_TRUE(view.captions[2].red);
    EXPECT_EQ(view.shownPictures(), level() == 1 ? 4 : 0);
    game.onBoardHovered();
    EXPECT_FALSE(view.captions[2].red);
}

TEST_P(TeachingStage, theBeeTakesTheWordsAwayPutsTheBoardBackAndArmsTheSpinner)
{
    enter(level(), SquareKind::Teaching, Index);
    game.onButtonClicked(Button::Bee);
    EXPECT_TRUE(view.shownCaptions().empty());
    EXPECT_EQ(view.shownPictures(), 0);
    EXPECT_FALSE(view.buttons[Button::Bee].shown);
    EXPECT_EQ(view.scene, Bitmap::scene(level()));
    EXPECT_EQ(view.kitten->cell, content().cellOf(record.kittenSquare));
    EXPECT_TRUE(record.spinnerArmed);
    // The stage stays the last one opened, so a press on the board is still ignored.
    EXPECT_EQ(record.stage, Stage::Teaching);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, TeachingStage, ::testing::Range(1, LevelCount + 1));

// What hovering a caption shows: its picture and red text, or only red text, or nothing.
struct HoverCase {
    SquareKind stage;
    int level;
    bool picture;
    bool red;
};

class CaptionHover : public GameFixture, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(CaptionHover, showsWhatTheStageAndLevelAllowAndMovingStraightToAnotherCaptionKeepsBoth)
{
    const HoverCase c = GetParam();
    platform.draws.assign(8, 0.0f);
    enter(c.level, c.stage, 5);
    game.onCaptionHovered(1);
    game.onCaptionHovered(2);
    for (int slot : {1, 2}) {
        EXPECT_EQ(view.pictures[slot].shown,
                  c.picture || (c.level == 1 && c.stage == SquareKind::Teaching));
        EXPECT_EQ(view.captions[slot].red, c.red) << slot;
    }
    game.onBoardHovered();
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_FALSE(view.captions[slot].red);
    EXPECT_EQ(view.shownPictures(), c.level == 1 && c.stage == SquareKind::Teaching ? 4 : 0);
    EXPECT_EQ(record.hoveredCaption, -1);
}

INSTANTIATE_TEST_SUITE_P(StagesAndLevels, CaptionHover,
                         ::testing::Values(HoverCase{SquareKind::Teaching, 1, false, false},
                                           HoverCase{SquareKind::Teaching, 2, true, true},
                                           HoverCase{SquareKind::Teaching, 3, false, false},
                                           HoverCase{SquareKind::Quiz, 1, true, true},
                                           HoverCase{SquareKind::Quiz, 2, false, true},
                                           HoverCase{SquareKind::Quiz, 3, false, true}),
                         [](const auto &test) {
                             return std::string(test.param.stage == SquareKind::Quiz ? "Quiz"
                                                                                     : "Teaching") +
                                    std::to_string(test.param.level);
                         });

} // namespace
