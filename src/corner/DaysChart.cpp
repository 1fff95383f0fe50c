// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DaysChart.h"

#include "LearningRecord.h"
#include "RecordReport.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int LabelHeight = 18;

} // namespace

DaysChart::DaysChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("daysChart"));
    setMinimumSize(420, 180);
}

void DaysChart::showRecord(const LearningRecord &learning, QDate today)
{
    for (int i = 0; i < Days; ++i)
        days_[i] = {today.addDays(i - (Days - 1))};
    for (const PlayDay &played : learning.playDays()) {
        const qint64 back = played.day.daysTo(today);
        if (back >= 0 && back < Days) {
            Day &day = days_[Days - 1 - back];
            day.minutes = RecordReport::minutes(played.seconds);
            day.words = learning.wordsPractised(played.day);
        }
    }
    update();
}

// Each kind of bar is scaled to its own highest value, so both can be read however few.
void DaysChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int highestMinutes = std::ranges::max(days_, {}, &Day::minutes).minutes;
    const int highestWords = std::ranges::max(days_, {}, &Day::words).words;
    const qreal columnWidth = qreal(width()) / Days;
    const qreal barsHeight = height() - LabelHeight;
    for (int i = 0; i < Days; ++i) {
        const qreal left = i * columnWidth;
        const qreal half = columnWidth * 0.4;
        paintBar(painter, QRectF(left + columnWidth * 0.1, 0, half, barsHeight), days_[i].minutes,
                 highestMinutes, minutesColour());
        paintBar(painter, QRectF(left + columnWidth * 0.5, 0, half, barsHeight), days_[i].words,
                 highestWords, wordsColour());
        QFont font = painter.font();
        font.setBold(i == Days - 1);
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(left, barsHeight, columnWidth, LabelHeight), Qt::AlignCenter,
                         days_[i].date.toString(QStringLiteral("M/d")));
    }
}

// A bar rises from the bottom in proportion to value, its number above it; nothing for 0.
void DaysChart::paintBar(QPainter &painter, QRectF column, int value, int highest, QColor colour)
{
    if (value <= 0 || highest <= 0)
        return;
    const qreal numberHeight = painter.fontMetrics().height();
    const qreal height = (column.height() - numberHeight) * value / highest;
    const QRectF bar(column.left(), column.bottom() - height, column.width(), height);
    painter.fillRect(bar, colour);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(column.left() - column.width() / 2, bar.top() - numberHeight,
                            column.width() * 2, numberHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, QString::number(value));
}
