#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

using PoemStage = GameFixture;

TEST_F(PoemStage, showsThePoemOnTheClearedBoardWhileItIsRecitedThenGivesBoardAndSpinnerBack)
{
    // Poem square 4 of level 2 recites poem 3.
    const int recitation = Sound::recitation(3);
    standOn(2, squareOf(2, SquareKind::Poem, 4) - 1);
    bool shownWhileRecited = false;
    platform.output.duringSyncPlay = [&](int id) {
        if (id != recitation)
            return;
        shownWhileRecited =
            view.poem && view.poem->title == content().poem(3).title && view.scene == 0 &&
            !record.spinnerArmed &&
            view.buttons[Button::Tadpole] == FakeView::ButtonLook{Bitmap::CaterpillarWithCap, true};
    };
    spinAndWalk(1);
    EXPECT_TRUE(shownWhileRecited);
    // The screen is brought up to date before the recitation holds the thread.
    const qsizetype repainted = journal.indexOf("repaint");
    EXPECT_GE(repainted, 0);
    EXPECT_LT(repainted, journal.indexOf(QStringLiteral("sound %1 sync").arg(recitation)));
    EXPECT_FALSE(view.poem.has_value());
    EXPECT_FALSE(view.buttons[Button::Tadpole].shown);
    EXPECT_EQ(view.scene, Bitmap::scene(2));
    EXPECT_EQ(view.kitten,
              (FakeView::Kitten{content().cellOf(record.kittenSquare), KittenPose::Standing}));
    EXPECT_TRUE(record.spinnerArmed);
    EXPECT_EQ(record.stage, Stage::Poem);
    // The spin delay runs once more and finds no spin to start a walk for.
    EXPECT_TRUE(timers.isRunning(GameTimer::SpinDelay));
    game.onSpinDelayTick();
    EXPECT_FALSE(timers.isRunning(GameTimer::WalkTick));
    EXPECT_TRUE(record.spinnerArmed);
}

} // namespace
