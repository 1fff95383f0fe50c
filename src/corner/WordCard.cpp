// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordCard.h"

#include "Catalogue.h"
#include "Content.h"
#include "RecordReport.h"
#include "Resources.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

// The picture is shown at this many pixels, drawn for screens twice as fine.
constexpr int PictureSide = 56;
constexpr int PictureScale = 2;
constexpr int CharacterPixels = 22;
// The pinyin, the state and the answers, small enough for a phrase a line.
constexpr int DetailPixels = 11;

QColor stateColour(WordState state)
{
    switch (state) {
    case WordState::Known:
        return {198, 236, 190};
    case WordState::Met:
        return {255, 236, 170};
    case WordState::NotYet:
        break;
    }
    return {232, 232, 232};
}

QLabel *centredLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

WordCard::WordCard(const Content &content, int word, QWidget *parent)
    : QFrame(parent), word_(word), stateText_(centredLabel({}, this)),
      answers_(centredLabel({}, this))
{
    setObjectName(QStringLiteral("wordCard%1").arg(word));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFixedWidth(100);
    QPixmap picture =
        QPixmap::fromImage(Resources::bitmap(Bitmap::wordPicture(word), PictureScale)
                               .scaled(PictureSide * PictureScale, PictureSide * PictureScale,
                                       Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(PictureScale);
    QLabel *pictureLabel = centredLabel({}, this);
    pictureLabel->setPixmap(picture);
    QLabel *characters = centredLabel(content.word(word), this);
    QFont bold = characters->font();
    bold.setPixelSize(CharacterPixels);
    bold.setBold(true);
    characters->setFont(bold);

    QLabel *pinyin = centredLabel(content.pinyin(word), this);
    QFont small = pinyin->font();
    small.setPixelSize(DetailPixels);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(1);
    layout->addWidget(pictureLabel);
    layout->addWidget(characters);
    for (QLabel *detail : {pinyin, stateText_, answers_}) {
        detail->setFont(small);
        layout->addWidget(detail);
    }
    layout->addStretch();
}

void WordCard::showState(const LearningRecord &learning)
{
    state_ = learning.state(word_);
    stateText_->setText(RecordReport::stateText(learning, word_));
    answers_->setText(RecordReport::answersText(learning.wordDays(word_)));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, stateColour(state_));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
}
