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

TEST_F(PoemRecital, showsTitlePoetLinesAndTheCaterpillarOnACleanBoardWhileItRecites)
{
    state.canSpin = false;
    QImage blank(BoardView::Size, BoardView::Size, QImage::Format_RGB32);
    blank.fill(BoardView::backgroundColour());
    const QFontMetrics metrics(controls.LabSh[2]->font());

    EXPECT_EQ(reciteChecking(0, [&] {
                  for (QLabel *label : controls.LabSh)
                      EXPECT_FALSE(label->isHidden());
                  EXPECT_EQ(controls.LabSh[0]->text(), "出塞");
                  EXPECT_EQ(controls.LabSh[1]->text(), "王昌龄");
                  EXPECT_EQ(controls.LabSh[2]->text(), "秦时明月汉时关，\n\n万里长征人未还。\n\n"
                                                       "但使龙城飞将在，\n\n不教胡马度阴山。\n\n");
                  EXPECT_GE(controls.LabSh[2]->width(),
                            metrics.horizontalAdvance("秦时明月汉时关，"));
                  EXPECT_GE(controls.LabSh[2]->height(), 7 * metrics.lineSpacing());
                  EXPECT_FALSE(controls.Picrep->isHidden());
                  EXPECT_EQ(controls.Picrep->picture(), Resources::bitmap(163));
                  EXPECT_EQ(controls.Pic1->canvas(), blank);
                  EXPECT_FALSE(state.canSpin);
                  EXPECT_FALSE(controls.Timer1->isActive());
              }),
              1);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{301, PlayMode::Sync, {}}}));
}

TEST_F(PoemRecital, eachPoemShowsItsOwnStringsRecitesItsOwnSoundAndPoemThreeKeepsItsLastBreak)
{
    for (int poem = 0; poem < 5; ++poem) {
        SCOPED_TRACE(poem);
        platform.output.clear();
        QString title, poet, body;
        EXPECT_EQ(reciteChecking(poem, [&] {
                      title = controls.LabSh[0]->text();
                      poet = controls.LabSh[1]->text();
                      body = controls.LabSh[2]->text();
                  }),
                  1);
        EXPECT_EQ(title, Resources::string(301 + 10 * poem));
        EXPECT_EQ(poet, Resources::string(302 + 10 * poem));
        for (int line = 0; line < 4; ++line) {
            const QString text = Resources::string(303 + 10 * poem + line).trimmed();
            EXPECT_TRUE(body.contains(text + "\n\n")) << line;
        }
        EXPECT_FALSE(body.contains('\r'));
        // The stored CR LF after poem 3's last line shows as one more break.
        const bool lastBreakKept = body.endsWith("遥知不是雪，\n\n为有暗香来。\n\n\n");
        EXPECT_EQ(lastBreakKept, poem == 3);
        EXPECT_EQ(body.endsWith("\n\n\n"), poem == 3);
        EXPECT_EQ(platform.output.ids(), std::vector<int>{301 + poem});
    }
}

TEST_F(PoemRecital, endsWithTheBoardBackAndTheSpinnerArmedAndTheNextTimerTickOnlyStopsTheTimer)
{
    enterPoemSquare(6);

    for (QLabel *label : controls.LabSh)
        EXPECT_TRUE(label->isHidden());
    EXPECT_TRUE(controls.Picrep->isHidden());
    EXPECT_EQ(boardRegion({110, 110, 300, 300}), rgb32(Resources::bitmap(121)));
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
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
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
