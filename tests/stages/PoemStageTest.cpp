#include "GameFixture.h"
#include "PictureBox.h"
#include "Spinner.h"
#include "SquareDispatch.h"
#include "Stages.h"

#include <QLabel>
#include <QTest>

#include <functional>
#include <vector>

namespace {

class PoemRecital : public GameFixture {
protected:
    // Runs check while a recitation (sounds 301..305) plays; returns how many were heard.
    int reciteChecking(int poem, const std::function<void()> &check)
    {
        int recitations = 0;
        platform.output.duringSyncPlay = [&](int id) {
            if (id >= 301 && id <= 305) {
                ++recitations;
                check();
            }
        };
        form.stages().recitePoem(poem);
        platform.output.duringSyncPlay = nullptr;
        return recitations;
    }

    // The poem as the dispatch opens it: on its square, right after a walk.
    void enterPoemSquare(int square)
    {
        placeKitten(square);
        state.turnState = QStringLiteral("gostep");
        state.canSpin = false;
        form.dispatch().enterSquare();
    }
};

TEST_F(PoemRecital, eachPoemShowsItsStringsAndTheCaterpillarOnACleanBoardWhileItRecites)
{
    const QFontMetrics metrics(controls.LabSh[2]->font());
    for (int poem = 0; poem < 5; ++poem) {
        SCOPED_TRACE(poem);
        platform.output.clear();
        state.canSpin = false; // as the dispatch leaves it
        controls.Timer1->stop();
        QString body;
        EXPECT_EQ(reciteChecking(poem, [&] {
                      for (QLabel *label : controls.LabSh)
                          EXPECT_FALSE(label->isHidden());
                      EXPECT_EQ(controls.LabSh[0]->text(), Resources::string(301 + 10 * poem));
                      EXPECT_EQ(controls.LabSh[1]->text(), Resources::string(302 + 10 * poem));
                      body = controls.LabSh[2]->text();
                      EXPECT_GE(controls.LabSh[2]->height(), 7 * metrics.lineSpacing());
                      EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(163));
                      EXPECT_FALSE(controls.Picrep->isHidden());
                      EXPECT_EQ(controls.Pic1->canvas(), blank(BoardView::Size));
                      EXPECT_FALSE(state.canSpin || controls.Timer1->isActive());
                  }),
                  1);
        // Each line followed by a blank line; the stored CR LF after poem 3's last line shows
        // as one more break.
        QString lines;
        for (int line = 0; line < 4; ++line)
            lines += Resources::string(303 + 10 * poem + line).trimmed() + "\n\n";
        EXPECT_EQ(body, poem == 3 ? lines + "\n" : lines);
        EXPECT_EQ(body.endsWith("遥知不是雪，\n\n为有暗香来。\n\n\n"), poem == 3);
        EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{301 + poem, PlayMode::Sync, {}}}));
    }
    EXPECT_EQ(controls.LabSh[0]->text(), "山行");
    EXPECT_GE(controls.LabSh[2]->width(), metrics.horizontalAdvance("秦时明月汉时关，"));
}

TEST_F(PoemRecital, endsWithTheBoardBackAndTheSpinnerArmedAndTheNextTimerTickOnlyStopsTheTimer)
{
    enterPoemSquare(6);

    for (QLabel *label : controls.LabSh)
        EXPECT_TRUE(label->isHidden());
    EXPECT_TRUE(controls.Picrep->isHidden());
    EXPECT_EQ(scene(), rgb32(Resources::bitmap(121)));
    EXPECT_EQ(boardRegion(cellOf(6)), kittenOver(Resources::bitmap(101), 105, 106));
    EXPECT_TRUE(state.canSpin);
    EXPECT_TRUE(controls.Timer1->isActive());

    form.spinner().Timer1_Timer();
    EXPECT_FALSE(controls.Timer1->isActive());
    EXPECT_FALSE(controls.Timer2->isActive());
    EXPECT_EQ(state.catPos, 6);
    EXPECT_TRUE(state.canSpin);
}

TEST_F(PoemRecital, spinnerClickMadeDuringTheAnnouncementOrRecitationStartsASpinAfterIt)
{
    for (int soundPlaying : {111, 301}) {
        SCOPED_TRACE(soundPlaying);
        platform.output.duringSyncPlay = [this, soundPlaying](int id) {
            if (id == soundPlaying)
                postClickOn(controls.PicTurn);
        };
        platform.scriptResults(6, {3});
        enterPoemSquare(6);
        EXPECT_EQ(platform.draws.size(), 1u);

        QCoreApplication::processEvents();

        EXPECT_TRUE(platform.draws.empty());
        EXPECT_EQ(state.stepsLeft, 3);
        EXPECT_EQ(controls.PicTurn->picture(), Resources::bitmap(113));
        EXPECT_EQ(state.turnState, "playturn");
        EXPECT_FALSE(state.canSpin);
        EXPECT_TRUE(controls.Timer1->isActive());
    }
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(PoemRecital, paintsThePoemOnScreenBeforeTheRecitationBlocks)
{
    showWindow();
    QCoreApplication::processEvents();
    PaintCounter body;
    PaintCounter caterpillar;
    controls.LabSh[2]->installEventFilter(&body);
    controls.Picrep->installEventFilter(&caterpillar);

    EXPECT_EQ(reciteChecking(1, [&] {
                  EXPECT_GE(body.paints, 1);
                  EXPECT_GE(caterpillar.paints, 1);
              }),
              1);
}

} // namespace
