#include "GameFixture.h"
#include "PictureBox.h"
#include "Spinner.h"
#include "SquareDispatch.h"
#include "Stages.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// What the player saw at the moment the recitation started.
struct DuringRecitation {
    bool labelsShown = false;
    QString title;
    QString poet;
    QString body;
    QSize bodySize;
    bool caterpillarShown = false;
    bool caterpillarPicture = false;
    bool boardCleared = false;
    bool armed = true;
    bool timer1Running = true;
};

class PoemRecital : public GameFixture {
protected:
    PoemRecital()
    {
        platform.output.duringSyncPlay = [this](int id) {
            if (id >= 301 && id <= 305)
                seen.push_back(snapshot());
        };
    }

    DuringRecitation snapshot() const
    {
        DuringRecitation now;
        now.labelsShown = std::none_of(controls.LabSh.begin(), controls.LabSh.end(),
                                       [](QLabel *label) { return label->isHidden(); });
        now.title = controls.LabSh[0]->text();
        now.poet = controls.LabSh[1]->text();
        now.body = controls.LabSh[2]->text();
        now.bodySize = controls.LabSh[2]->size();
        now.caterpillarShown = !controls.Picrep->isHidden();
        now.caterpillarPicture = controls.Picrep->picture() == Resources::bitmap(163);
        QImage blank(BoardView::Size, BoardView::Size, QImage::Format_RGB32);
        blank.fill(BoardView::backgroundColour());
        now.boardCleared = controls.Pic1->canvas() == blank;
        now.armed = state.canSpin;
        now.timer1Running = controls.Timer1->isActive();
        return now;
    }

    // The poem as the dispatch opens it: on its square, right after a walk.
    void enterPoemSquare(int square)
    {
        placeKitten(square);
        state.turnState = QStringLiteral("gostep");
        state.canSpin = false;
        form.dispatch().enterSquare();
    }

    std::vector<DuringRecitation> seen;
};

TEST_F(PoemRecital, showsTitlePoetLinesAndTheCaterpillarOnACleanBoardWhileItRecites)
{
    state.canSpin = false;
    form.stages().recitePoem(0);

    ASSERT_EQ(seen.size(), 1u);
    const DuringRecitation &now = seen.front();
    EXPECT_TRUE(now.labelsShown);
    EXPECT_EQ(now.title, "出塞");
    EXPECT_EQ(now.poet, "王昌龄");
    EXPECT_EQ(now.body,
              "秦时明月汉时关，\n\n万里长征人未还。\n\n但使龙城飞将在，\n\n不教胡马度阴山。\n\n");
    EXPECT_TRUE(now.caterpillarShown);
    EXPECT_TRUE(now.caterpillarPicture);
    EXPECT_TRUE(now.boardCleared);
    EXPECT_FALSE(now.armed);
    EXPECT_FALSE(now.timer1Running);
    EXPECT_EQ(platform.output.played, (std::vector<PlayedSound>{{301, PlayMode::Sync, {}}}));
}

TEST_F(PoemRecital, eachPoemShowsItsOwnStringsAndRecitesItsOwnSound)
{
    for (int poem = 0; poem < 5; ++poem) {
        SCOPED_TRACE(poem);
        seen.clear();
        platform.output.clear();
        form.stages().recitePoem(poem);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen.front().title, Resources::string(301 + 10 * poem));
        EXPECT_EQ(seen.front().poet, Resources::string(302 + 10 * poem));
        for (int line = 0; line < 4; ++line) {
            const QString text = Resources::string(303 + 10 * poem + line).trimmed();
            EXPECT_TRUE(seen.front().body.contains(text + "\n\n")) << line;
        }
        EXPECT_EQ(platform.output.ids(), std::vector<int>{301 + poem});
    }
}

TEST_F(PoemRecital, keepsTheStoredLineBreakAfterTheLastLineOfPoemThree)
{
    form.stages().recitePoem(2);
    form.stages().recitePoem(3);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[1].body.endsWith("遥知不是雪，\n\n为有暗香来。\n\n\n"));
    EXPECT_FALSE(seen[1].body.contains('\r'));
    EXPECT_FALSE(seen[0].body.endsWith("\n\n\n"));
    // One more line to show, so a taller body than the four lines of poem 2.
    EXPECT_GT(seen[1].bodySize.height(), seen[0].bodySize.height());
}

TEST_F(PoemRecital, bodyLabelGrowsToHoldEveryLine)
{
    form.stages().recitePoem(0);
    const QFontMetrics metrics(controls.LabSh[2]->font());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_GE(seen.front().bodySize.width(), metrics.horizontalAdvance("秦时明月汉时关，"));
    EXPECT_GE(seen.front().bodySize.height(), 7 * metrics.lineSpacing());
}

TEST_F(PoemRecital, putsTheBoardBackAndArmsTheSpinnerWhenTheRecitationEnds)
{
    placeKitten(6);
    form.stages().recitePoem(0);

    for (QLabel *label : controls.LabSh)
        EXPECT_TRUE(label->isHidden());
    EXPECT_TRUE(controls.Picrep->isHidden());
    EXPECT_EQ(boardRegion({110, 110, 300, 300}), rgb32(Resources::bitmap(121)));
    EXPECT_EQ(boardRegion(cellOf(6)), kittenOver(Resources::bitmap(101), 105, 106));
    EXPECT_EQ(boardRegion(cellOf(7)), rgb32(Resources::bitmap(104)));
    EXPECT_TRUE(state.canSpin);
    EXPECT_TRUE(controls.Timer1->isActive());
}

TEST_F(PoemRecital, poemSquareIsAnnouncedThenRecitedAndLeavesThePoemStageState)
{
    enterPoemSquare(21);
    EXPECT_EQ(platform.output.played,
              (std::vector<PlayedSound>{{111, PlayMode::Sync, {}}, {303, PlayMode::Sync, {}}}));
    EXPECT_EQ(state.stageState, "playstory");
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

TEST_F(PoemRecital, timerTickAfterThePoemOnlyStopsTheTimer)
{
    enterPoemSquare(6);
    form.spinner().Timer1_Timer();
    EXPECT_FALSE(controls.Timer1->isActive());
    EXPECT_FALSE(controls.Timer2->isActive());
    EXPECT_EQ(state.catPos, 6);
    EXPECT_TRUE(state.canSpin);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
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
    int bodyPaintsBeforeRecitation = 0;
    int caterpillarPaintsBeforeRecitation = 0;
    platform.output.duringSyncPlay = [&](int) {
        bodyPaintsBeforeRecitation = body.paints;
        caterpillarPaintsBeforeRecitation = caterpillar.paints;
    };

    form.stages().recitePoem(1);

    EXPECT_GE(bodyPaintsBeforeRecitation, 1);
    EXPECT_GE(caterpillarPaintsBeforeRecitation, 1);
}

} // namespace
