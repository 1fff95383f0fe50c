// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

using PoemStage = GameFixture;

// The poem is on the cleared board, with the caterpillar in its cap, before the recitation
// starts and for as long as it plays; only its end brings the board and the spinner back.
TEST_F(PoemStage, showsThePoemForTheWholeRecitationThenGivesTheBoardBack)
{
    // Poem square 4 of level 2 recites poem 3.
    const SoundId recitation = Sound::recitation(3);
    enter(2, SquareKind::Poem, 4);
    const qsizetype recited =
        journal.indexOf(QStringLiteral("sound %1 held").arg(recitation.number));
    ASSERT_GE(recited, 0);
    EXPECT_EQ(journal.entries.mid(recited - 2, 2),
              (QStringList{QStringLiteral("poem ") + content().poem(3).title, "shown"}));
    EXPECT_TRUE(view.poem && view.poem->title == content().poem(3).title);
    EXPECT_EQ(view.scene, BitmapId{});
    EXPECT_EQ(view.buttons[Button::Tadpole],
              (FakeView::ButtonLook{Bitmap::CaterpillarWithCap, true}));
    EXPECT_FALSE(record.spinnerArmed);

    platform.output.endHeldSound();
    EXPECT_FALSE(view.poem.has_value());
    EXPECT_FALSE(view.buttons[Button::Tadpole].shown);
    EXPECT_EQ(view.scene, Bitmap::scene(2));
    EXPECT_EQ(view.kitten,
              (FakeView::Kitten{content().cellOf(record.kittenSquare), KittenPose::Standing}));
    EXPECT_TRUE(record.spinnerArmed);
    EXPECT_EQ(record.stage, Stage::Poem);
    // The spin delay runs once more and finds no spin to start a walk for.
    EXPECT_TRUE(timers.isRunning(GameTimer::SpinDelay));
    game.onTick(GameTimer::SpinDelay);
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
    EXPECT_TRUE(record.spinnerArmed);
}

} // namespace
