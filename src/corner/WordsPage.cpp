// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordsPage.h"

#include "Content.h"
#include "RecordReport.h"
#include "WordCard.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int GroupsPerRow = 2;
} // namespace

WordsPage::WordsPage(const Content &content, QWidget *parent)
    : QScrollArea(parent), wordCount_(content.wordCount())
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    counts_ = new QLabel(page);
    counts_->setObjectName(QStringLiteral("wordCounts"));
    layout->addWidget(counts_);
    auto *rule = new QLabel(tr("A word is known once the child has answered it right at the first "
                               "try on two different days."),
                            page);
    rule->setWordWrap(true);
    layout->addWidget(rule);
    auto *groups = new QGridLayout;
    layout->addLayout(groups);
    for (int group = 0; group < wordCount_ / Content::WordsPerGroup; ++group) {
        auto *box = new QGroupBox(tr("Group %1").arg(group + 1), page);
        auto *row = new QHBoxLayout(box);
        for (int k = 0; k < Content::WordsPerGroup; ++k) {
            cards_.push_back(new WordCard(content, content.groupWord(group, k), box));
            row->addWidget(cards_.back());
        }
        groups->addWidget(box, group / GroupsPerRow, group % GroupsPerRow);
    }
    layout->addStretch();
    setWidget(page);
    setWidgetResizable(true);
}

void WordsPage::showRecord(const LearningRecord &learning)
{
    counts_->setText(RecordReport::countsText(learning, wordCount_));
    for (WordCard *card : cards_)
        card->showState(learning);
}
