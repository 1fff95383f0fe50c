#include "GameScreen.h"

#include "BoardCanvas.h"
#include "Caption.h"
#include "Catalogue.h"
#include "Fonts.h"
#include "PictureButton.h"
#include "Resources.h"

#include <QLabel>

namespace {

constexpr QPoint ScenePosition(110, 110);

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

GameScreen::GameScreen(QWidget *parent) : QWidget(parent)
{
    setFixedSize(DesignSize);
    board_ = new BoardCanvas(this);
    spinner_ = new PictureButton(this);
    spinner_->setObjectName(QStringLiteral("spinner"));
    spinner_->setGeometry(528, 24, 89, 89);
    help_ = createButton(this, Button::Help, {544, 376, 41, 33});
    help_->setObjectName(QStringLiteral("helpButton"));
    help_->setToolTip(QStringLiteral("帮助"));
    createBoardWidgets();
    for (SquareKind kind :
         {SquareKind::Poem, SquareKind::Teaching, SquareKind::Quiz, SquareKind::Chance})
        squareIcons_[static_cast<int>(kind) - 1] = Resources::bitmap(Bitmap::squareIcon(kind));
    kittenFrames_ = {Resources::bitmap(Bitmap::StandingKittenMask),
                     Resources::bitmap(Bitmap::StandingKittenImage),
                     Resources::bitmap(Bitmap::WalkingKittenMask),
                     Resources::bitmap(Bitmap::WalkingKittenImage)};

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
        wordPictures_[k]->setGeometry(pictureLeft[k], 56, 89, 89);
        wordPictures_[k]->hide();
    }
    poemTitle_ = createPoemLabel({100, 80, 217, 25}, Fonts::poemText(), Qt::AlignHCenter);
    poemPoet_ = createPoemLabel({100, 110, 185, 25}, Fonts::poemAuthor(), Qt::AlignRight);
    poemLines_ = createPoemLabel({100, 140, 56, 20}, Fonts::poemText(), Qt::AlignLeft);
    const int firstRowLeft[] = {72, 192, 296, 408};
    const int secondRowLeft[] = {72, 192, 296, 416};
    for (int k = 0; k < 4; ++k) {
        for (int row : {0, 1}) {
            auto *caption = new Caption(board_);
            caption->setObjectName(QStringLiteral("wordCaption%1").arg(k + 4 * row));
            caption->setGeometry(row == 0 ? firstRowLeft[k] : secondRowLeft[k],
                                 row == 0 ? 184 : 296, 58, 35);
            caption->hide();
            wordCaptions_[k + 4 * row] = caption;
        }
    }
}

PictureButton *GameScreen::createButton(QWidget *parent, Button which, QRect geometry)
{
    auto *created = new PictureButton(parent);
    created->setGeometry(geometry);
    created->setVisible(which == Button::Help);
    connect(created, &PictureButton::clicked, this, [this, which] { emit buttonClicked(which); });
    connect(created, &PictureButton::hovered, this,
            [this, which](bool inside) { emit buttonHovered(which, inside); });
    return created;
}

QLabel *GameScreen::createPoemLabel(QRect geometry, const QFont &font, Qt::Alignment alignment)
{
    auto *label = new QLabel(board_);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, BoardCanvas::colour());
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->hide();
    return label;
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

void GameScreen::paintScene(int bitmap)
{
    board_->paintPicture(ScenePosition, Resources::bitmap(bitmap));
}

void GameScreen::paintSquareIcon(Cell cell, SquareKind kind)
{
    if (kind != SquareKind::Start)
        board_->paintPicture(cellPosition(cell), squareIcons_[static_cast<int>(kind) - 1]);
}

void GameScreen::paintKitten(Cell cell, KittenPose pose)
{
    const int first = pose == KittenPose::Standing ? 0 : 2;
    board_->paintFigure(cellPosition(cell), kittenFrames_[first], kittenFrames_[first + 1]);
}

void GameScreen::clearBoard()
{
    board_->clear();
}

void GameScreen::showSpinnerFace(int bitmap)
{
    spinner_->setPicture(Resources::bitmap(bitmap));
}

void GameScreen::showButton(Button which, int bitmap)
{
    setButtonPicture(which, bitmap);
    button(which)->show();
}

void GameScreen::setButtonPicture(Button which, int bitmap)
{
    button(which)->setPicture(Resources::bitmap(bitmap));
}

// A hidden button that kept the pointer would take every click the child makes.
void GameScreen::hideButton(Button which)
{
    PictureButton *hidden = button(which);
    if (QWidget::mouseGrabber() == hidden)
        hidden->releaseMouse();
    hidden->hide();
}

void GameScreen::grabPointer(Button which)
{
    button(which)->grabMouse();
}

void GameScreen::releasePointer()
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

void GameScreen::showCaption(int slot, const QString &text, int left, std::optional<int> top)
{
    Caption *caption = wordCaptions_[slot];
    caption->setCaption(text);
    caption->move(left, top.value_or(caption->y()));
    caption->show();
}

void GameScreen::setCaptionRed(int slot, bool red)
{
    wordCaptions_[slot]->setRed(red);
}

void GameScreen::setWordPicture(int slot, int bitmap, int left, bool visible)
{
    PictureButton *picture = wordPictures_[slot];
    picture->setPicture(Resources::bitmap(bitmap));
    picture->move(left, picture->y());
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

void GameScreen::repaintNow()
{
    window()->repaint();
}

void GameScreen::openHelp()
{
    emit helpWanted();
}
