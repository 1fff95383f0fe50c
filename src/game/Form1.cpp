#include "Form1.h"

#include "Board.h"
#include "BoardView.h"
#include "Caption.h"
#include "ContentTables.h"
#include "Form3.h"
#include "PictureBox.h"
#include "Platform.h"
#include "Resources.h"
#include "Spinner.h"
#include "SquareDispatch.h"
#include "Stages.h"
#include "WindowButtons.h"

#include <QCloseEvent>
#include <QTimer>

namespace {
constexpr int SpinnerStartFace = 111;
constexpr int HelpButtonNormal = 164;
constexpr int FirstIcon = 101;
constexpr int FirstKittenFrame = 105;
constexpr int EndScene = 124;
constexpr int EndNarration = 124;
constexpr int StopSound = 900;
} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent), platform_(platform), sounds_(state_, platform.sound())
{
    createControls();
    createSubsystems();
    wireEvents();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createSubsystems()
{
    board_ = std::make_unique<Board>(state_, controls_, sounds_);
    buttons_ = std::make_unique<WindowButtons>(state_, controls_, sounds_, *board_,
                                               [this] { openHelp(); });
    stages_ = std::make_unique<Stages>(state_, controls_, sounds_, platform_, *board_,
                                       [this] { buttons_->PicOut_Click(); });
    spinner_ = std::make_unique<Spinner>(state_, controls_, sounds_, platform_);
    dispatch_ = std::make_unique<SquareDispatch>(state_, sounds_, *stages_);
    board_->setFlow([this] { dispatch_->enterSquare(); }, [this] { advanceLevel(); });
}

void Form1::wireEvents()
{
    connect(controls_.Timer1, &QTimer::timeout, this, [this] { spinner_->Timer1_Timer(); });
    connect(controls_.Timer2, &QTimer::timeout, this, [this] { board_->Timer2_Timer(); });
    connect(controls_.PicTurn, &PictureBox::clicked, this, [this] { spinner_->PicTurn_Click(); });
    connect(controls_.Pic1, &BoardView::pressed, this, &Form1::Pic1_MouseDown);
    connect(controls_.PicOut, &PictureBox::clicked, this, [this] { buttons_->PicOut_Click(); });
    connect(controls_.PicOut, &PictureBox::moved, this,
            [this](QPointF at) { buttons_->PicOut_MouseMove(at); });
    connect(controls_.Pichp, &PictureBox::clicked, this, [this] { buttons_->Pichp_Click(); });
    connect(controls_.Pichp, &PictureBox::moved, this,
            [this](QPointF at) { buttons_->Pichp_MouseMove(at); });
    wireWordStages();
}

void Form1::wireWordStages()
{
    connect(controls_.Pic1, &BoardView::moved, this, [this] { stages_->teaching.Pic1_MouseMove(); });
    for (int k = 0; k < static_cast<int>(controls_.Label1.size()); ++k) {
        connect(controls_.Label1[k], &Caption::pressed, this,
                [this, k] { stages_->Label1_MouseDown(k); });
        connect(controls_.Label1[k], &Caption::moved, this,
                [this, k] { stages_->teaching.Label1_MouseMove(k); });
    }
    connect(controls_.Picrep, &PictureBox::clicked, this, [this] { stages_->test.PicRep_Click(); });
    connect(controls_.Picrep, &PictureBox::moved, this,
            [this](QPointF at) { stages_->test.PicRep_MouseMove(at); });
}

Form3 *Form1::helpWindow() const
{
    return help_;
}

void Form1::openHelp()
{
    help_ = new Form3(this);
    help_->show();
}

void Form1::Form_Load()
{
    state_.replayEnabled = false;
    state_.walkPhase = 0;
    state_.wordsPerGroup = 4;
    state_.hoverWord = -1;
    state_.viewLeft = -1;
    state_.viewTop = -1;
    state_.wordGroups = {};
    state_.turnState = QStringLiteral("playturn");
    state_.catPos = 1;
    state_.level = 1;
    move(80, 16);
    state_.appDir = platform_.programFolder() + QLatin1Char('/');
    for (int i = 0; i < 3; ++i)
        controls_.LabSh[i]->move(100, 80 + 30 * i);
    controls_.PicTurn->setPicture(Resources::bitmap(SpinnerStartFace));
    state_.stageState = QStringLiteral("whatdo");
    state_.canSpin = false;
    for (int i = 0; i < 4; ++i) {
        controls_.PicIco[i]->setPicture(Resources::bitmap(FirstIcon + i));
        controls_.PicBoy[i]->setPicture(Resources::bitmap(FirstKittenFrame + i));
    }
    controls_.Pichp->setPicture(Resources::bitmap(HelpButtonNormal));
    ContentTables::loadBoardGrid(state_);
    loadLevel();
    board_->redrawBoard(1);
    state_.stepsLeft = 0;
    state_.canSpin = true;
}

void Form1::loadLevel()
{
    controls_.PicBg->setPicture(Resources::bitmap(120 + state_.level));
    ContentTables::loadLevelTables(state_);
    platform_.processPendingEvents();
    sounds_.playAsync(120 + state_.level);
}

void Form1::advanceLevel()
{
    controls_.Timer2->stop();
    state_.stageState = QStringLiteral("whatdo");
    if (state_.level == 4) {
        controls_.PicBg->setPicture(Resources::bitmap(EndScene));
        controls_.Pic1->clear();
        controls_.Pic1->drawScene(controls_.PicBg->picture());
        sounds_.playAsync(EndNarration);
        return;
    }
    loadLevel();
    board_->redrawBoard(1);
    state_.canSpin = true;
}

void Form1::Pic1_MouseDown()
{
    if (state_.stageState != QLatin1String("whatdo") || state_.level >= 4)
        return;
    sounds_.playFile(state_.appDir + QStringLiteral("wav/step.wav"));
    loadLevel();
    board_->redrawBoard(1);
    state_.stepsLeft = 0;
    state_.canSpin = true;
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The game ends with its main window, help window included.
    if (help_)
        help_->close();
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload()
{
    sounds_.playAsync(StopSound);
}
