// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DaysPage.h"

#include "DaysChart.h"
#include "LearningRecord.h"
#include "RecordReport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// A square of colour and its meaning.
QWidget *legendEntry(QColor colour, const QString &meaning, QWidget *parent)
{
    auto *entry = new QWidget(parent);
    auto *layout = new QHBoxLayout(entry);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *swatch = new QLabel(entry);
    swatch->setFixedSize(14, 14);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
    layout->addWidget(swatch);
    layout->addWidget(new QLabel(meaning, entry));
    layout->addStretch();
    return entry;
}

} // namespace

DaysPage::DaysPage(QWidget *parent)
    : QWidget(parent), chart_(new DaysChart(this)), summary_(new QLabel(this))
{
    summary_->setObjectName(QStringLiteral("daysSummary"));
    summary_->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The last 14 days"), this));
    layout->addWidget(legendEntry(DaysChart::minutesColour(), tr("Minutes played"), this));
    layout->addWidget(legendEntry(DaysChart::wordsColour(), tr("Words practised"), this));
    layout->addWidget(chart_, 1);
    layout->addWidget(summary_);
}

void DaysPage::showRecord(const LearningRecord &learning, QDate today)
{
    chart_->showRecord(learning, today);
    int days = 0, seconds = 0, level = 0;
    for (const PlayDay &played : learning.playDays()) {
        if (played.day <= today && played.day.daysTo(today) < DaysChart::Days) {
            days += 1;
            seconds += played.seconds;
            level = std::max(level, played.level);
        }
    }
    summary_->setText(days == 0 ? tr("No day played in the last 14 days.")
                                : tr("Played on %1 of the last 14 days, %2 minutes in all; "
                                     "highest level %3.")
                                      .arg(days)
                                      .arg(RecordReport::minutes(seconds))
                                      .arg(level));
}
