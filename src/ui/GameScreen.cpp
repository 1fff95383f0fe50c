// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

#include "BoardCanvas.h"
#include "Caption.h"
#include "Catalogue.h"
#include "DesignScale.h"
#include "Fonts.h"
#include "HoldRing.h"
#include "PictureButton.h"

#include <QLabel>
#include <QWindow>

#include <chrono>
#include <utility>

namespace {

// How long what waits for a paint waits at most; a paint normally comes within milliseconds.
constexpr std::chrono::milliseconds LongestWaitForAPaint(250);

constexpr QPoint ScenePosition(110, 110);
// The poem's title, poet and verse lines, in design pixels; the verse lines fit their text.
constexpr QRect PoemTitleGeometry(100, 80, 217, 25);
constexpr QRect PoemPoetGeometry(100, 110, 185, 25);
constexpr QPoint PoemLinesPosition(100, 140);

// A grid cell's 40 x 40 box on the board.
QPoint cellPosition(Cell cell)
{
    return {40 * cell.column + 20, 40 * cell.row + 20};
}

// The poem keeps the line breaks its lines are stored with, and an empty line follows each.
QString poemBody(const Poem &poem)
{
    QString body;
    for (QString line : poem.lines) {
        line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        body += line + QStringLiteral("\n\n");
    }
    return body;
}

} // namespace

QPalette GameScreen::ownPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, windowColour());
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

GameScreen::GameScreen(QWidget *parent) : QWidget(parent)
{
    board_ = new BoardCanvas(this);
    spinner_ = new PictureButton(this);
    spinner_->setObjectName(QStringLiteral("spinner"));
    spinner_->setDesignGeometry({528, 24, 89, 89});
    help_ = createButton(this, Button::Help, {544, 376, 41, 33});
    help_->setObjectName(QStringLiteral("helpButton"));
    help_->setToolTip(QStringLiteral("帮助"));
    helpHold_ = new HoldRing(help_, this);
    connect(helpHold_, &HoldRing::held, this, &GameScreen::helpHeld);
    createBoardWidgets();
    setScale(1);
    shownWatch_.setSingleShot(true);
    shownWatch_.setInterval(LongestWaitForAPaint);
    connect(&shownWatch_, &QTimer::timeout, this, &GameScreen::runShownWaiters);

    connect(spinner_, &PictureButton::clicked, this, &GameScreen::spinnerClicked);
    connect(board_, &BoardCanvas::pressed, this, &GameScreen::boardPressed);
    connect(board_, &BoardCanvas::hovered, this, &GameScreen::boardHovered);
    for (int slot = 0; slot < static_cast<int>(wordCaptions_.size()); ++slot) {
        connect(wordCaptions_[slot], &Caption::pressed, this,
                [this, slot] { emit captionPressed(slot); });
        connect(wordCaptions_[slot], &Caption::hovered, this,
                [this, slot] { emit captionHovered(slot); });
    }
}

// Later widgets stand above earlier ones where they overlap.
void GameScreen::createBoardWidgets()
{
    tadpole_ = createButton(board_, Button::Tadpole, {352, 392, 41, 41});
    tadpole_->setObjectName(QStringLiteral("tadpoleButton"));
    bee_ = createButton(board_, Button::Bee, {384, 384, 41, 41});
    bee_->setObjectName(QStringLiteral("beeButton"));
    const int pictureLeft[] = {72, 184, 288, 392};
    for (int k = 0; k < 4; ++k) {
        wordPictures_[k] = new PictureButton(board_);
        wordPictures_[k]->setObjectName(QStringLiteral("wordPicture%1").arg(k));
        wordPictures_[k]->setDesignGeometry({pictureLeft[k], 56, 89, 89});
        wordPictures_[k]->hide();
    }
    poemTitle_ = createPoemLabel(Qt::AlignHCenter);
    poemPoet_ = createPoemLabel(Qt::AlignRight);
    poemLines_ = createPoemLabel(Qt::AlignLeft);
    const int firstRowLeft[] = {72, 192, 296, 408};
    const int secondRowLeft[] = {72, 192, 296, 416};
    for (int k = 0; k < 4; ++k) {
        for (int row : {0, 1}) {
            auto *caption = new Caption(board_);
            caption->setObjectName(QStringLiteral("wordCaption%1").arg(k + 4 * row));
            caption->moveTo({row == 0 ? firstRowLeft[k] : secondRowLeft[k], row == 0 ? 184 : 296});
            caption->hide();
            wordCaptions_[k + 4 * row] = caption;
        }
    }
}

PictureButton *GameScreen::createButton(QWidget *parent, Button which, QRect geometry)
{
    auto *created = new PictureButton(parent);
    created->setDesignGeometry(geometry);
    created->setVisible(which == Button::Help);
    connect(created, &PictureButton::clicked, this, [this, which] { emit buttonClicked(which); });
    connect(created, &PictureButton::hovered, this,
            [this, which](bool inside) { emit buttonHovered(which, inside); });
    return created;
}

QLabel *GameScreen::createPoemLabel(Qt::Alignment alignment)
{
    auto *label = new QLabel(board_);
    label->setAlignment(alignment);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, BoardCanvas::colour());
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->hide();
    return label;
}

void GameScreen::setScale(qreal scale)
{
    scale_ = scale;
    resize(DesignScale::scaled(DesignSize, scale));
    board_->setScale(scale);
    for (PictureButton *picture : {spinner_, help_, tadpole_, bee_})
        picture->setScale(scale);
    helpHold_->place();
    for (PictureButton *picture : wordPictures_)
        picture->setScale(scale);
    for (Caption *caption : wordCaptions_)
        caption->setScale(scale);
    placePoem();
}

void GameScreen::placePoem()
{
    poemTitle_->setGeometry(DesignScale::scaled(PoemTitleGeometry, scale_));
    poemTitle_->setFont(Fonts::poemText(scale_));
    poemPoet_->setGeometry(DesignScale::scaled(PoemPoetGeometry, scale_));
    poemPoet_->setFont(Fonts::poemAuthor(scale_));
    poemLines_->move(DesignScale::scaled(PoemLinesPosition, scale_));
    poemLines_->setFont(Fonts::poemText(scale_));
    if (!poemLines_->text().isEmpty())
        poemLines_->adjustSize();
}

PictureButton *GameScreen::button(Button which) const
{
    switch (which) {
    case Button::Help:
        return help_;
    case Button::Bee:
        return bee_;
    case Button::Tadpole:
        break;
    }
    return tadpole_;
}

void GameScreen::paintScene(BitmapId picture)
{
    board_->paintPicture(ScenePosition, picture);
}

void GameScreen::paintSquareIcon(Cell cell, SquareKind kind)
{
    if (kind != SquareKind::Start)
        board_->paintPicture(cellPosition(cell), Bitmap::squareIcon(kind));
}

void GameScreen::paintKitten(Cell cell, KittenPose pose)
{
    if (pose == KittenPose::Standing)
        board_->paintFigure(cellPosition(cell), Bitmap::StandingKittenMask,
                            Bitmap::StandingKittenImage);
    else
        board_->paintFigure(cellPosition(cell), Bitmap::WalkingKittenMask,
                            Bitmap::WalkingKittenImage);
}

void GameScreen::clearBoard()
{
    board_->clear();
}

void GameScreen::showSpinnerFace(BitmapId face)
{
    spinner_->setPicture(face);
}

void GameScreen::showButton(Button which, BitmapId picture)
{
    setButtonPicture(which, picture);
    button(which)->show();
}

void GameScreen::setButtonPicture(Button which, BitmapId picture)
{
    button(which)->setPicture(picture);
}

void GameScreen::hideButton(Button which)
{
    button(which)->hide();
}

void GameScreen::showCaption(int slot, const QString &text, int left, std::optional<int> top)
{
    Caption *caption = wordCaptions_[slot];
    caption->setCaption(text);
    caption->moveTo({left, top.value_or(caption->designPosition().y())});
    caption->show();
}

void GameScreen::setCaptionRed(int slot, bool red)
{
    wordCaptions_[slot]->setRed(red);
}

void GameScreen::setWordPicture(int slot, BitmapId shown, int left, bool visible)
{
    PictureButton *picture = wordPictures_[slot];
    picture->setPicture(shown);
    picture->moveTo({left, picture->designPosition().y()});
    picture->setVisible(visible);
}

void GameScreen::setWordPictureVisible(int slot, bool visible)
{
    wordPictures_[slot]->setVisible(visible);
}

void GameScreen::hideWordRow()
{
    for (Caption *caption : wordCaptions_)
        caption->hide();
    for (PictureButton *picture : wordPictures_)
        picture->hide();
}

void GameScreen::showPoem(const Poem &poem)
{
    poemTitle_->setText(poem.title);
    poemPoet_->setText(poem.poet);
    poemLines_->setText(poemBody(poem));
    poemLines_->adjustSize();
    for (QLabel *label : {poemTitle_, poemPoet_, poemLines_})
        label->show();
}

void GameScreen::hidePoem()
{
    for (QLabel *label : {poemTitle_, poemPoet_, poemLines_})
        label->hide();
}

// The window paints what has changed when its update request comes, and hands the picture to
// the display then; what waits runs from the event loop just after. A window that is hidden or
// minimised paints nothing, so then it runs at once.
void GameScreen::whenShown(std::function<void()> then)
{
    shownWaiters_.push_back(std::move(then));
    QWidget *top = window();
    const QWindow *handle = top->windowHandle();
    if (!top->isVisible() || !handle || !handle->isExposed()) {
        QMetaObject::invokeMethod(this, &GameScreen::runShownWaiters, Qt::QueuedConnection);
        return;
    }
    top->installEventFilter(this);
    // Asks for a paint, of one pixel, in case nothing has changed.
    update(0, 0, 1, 1);
    if (!shownWatch_.isActive())
        shownWatch_.start();
}

bool GameScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::UpdateRequest && !shownWaiters_.empty())
        QMetaObject::invokeMethod(this, &GameScreen::runShownWaiters, Qt::QueuedConnection);
    return false;
}

void GameScreen::runShownWaiters()
{
    shownWatch_.stop();
    for (auto &then : std::exchange(shownWaiters_, {}))
        then();
}

void GameScreen::openHelp()
{
    emit helpWanted();
}
