// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuidePage.h"

#include "Catalogue.h"
#include "Resources.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *paragraph(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    return label;
}

QLabel *icon(SquareKind kind, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(Resources::bitmap(Bitmap::squareIcon(kind))));
    label->setAlignment(Qt::AlignTop);
    return label;
}

} // namespace

GuidePage::GuidePage(QWidget *parent) : QScrollArea(parent)
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(paragraph(
        tr("<b>What the child does.</b> The child clicks the spinner at the top right, and the "
           "kitten walks as many squares as it shows and opens what its square holds. Everything "
           "is spoken, so the child needs the mouse and ears only, no reading. The game is in "
           "three levels; after the last, the kitten's story ends."),
        page));
    const struct {
        SquareKind kind;
        QString text;
    } squares[] = {
        {SquareKind::Teaching,
         tr("<b>Teaching:</b> four words with their pictures. Clicking a word says it. The bee "
            "ends the lesson.")},
        {SquareKind::Quiz,
         tr("<b>Quiz:</b> the game says the four words one by one and the child clicks each. The "
            "tadpole says the word again. A wrong click sends the kitten back to the square that "
            "taught the words.")},
        {SquareKind::Poem, tr("<b>Poem:</b> a classical poem is shown and recited.")},
        {SquareKind::Chance,
         tr("<b>Chance:</b> a caterpillar sends the kitten three squares back, or a bee carries "
            "it four squares on.")},
    };
    auto *grid = new QGridLayout;
    for (int row = 0; row < static_cast<int>(std::size(squares)); ++row) {
        grid->addWidget(icon(squares[row].kind, page), row, 0);
        grid->addWidget(paragraph(squares[row].text, page), row, 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addWidget(paragraph(
        tr("<b>The levels.</b> Every level teaches the same 32 words, with less help each time. "
           "Level 1 shows each word's picture; level 2 shows a picture only while the pointer is "
           "on its word; level 3 shows none, and its quizzes mix in four other words."),
        page));
    layout->addWidget(paragraph(
        tr("<b>The help button</b> shows these rules in Chinese for the child's grown-ups. Held "
           "down for three seconds, it opens this corner."),
        page));
    layout->addStretch();
    setWidget(page);
    setWidgetResizable(true);
}
