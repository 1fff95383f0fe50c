// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QWidget>

#include <array>

class LearningRecord;

// The last fourteen days as a small bar chart: for each day the minutes played and the words
// practised (taught or asked), side by side, each bar with its number, the dates along the
// bottom and today's last.
class DaysChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int Days = 14;

    explicit DaysChart(QWidget *parent = nullptr);

    void showRecord(const LearningRecord &learning, QDate today);
    QSize sizeHint() const override { return {560, 240}; }

    // The colours of the two kinds of bar, which the legend shows too.
    static QColor minutesColour() { return {66, 133, 204}; }
    static QColor wordsColour() { return {236, 124, 38}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Day {
        QDate date;
        int minutes = 0;
        int words = 0;
    };

    void paintBar(QPainter &painter, QRectF column, int value, int highest, QColor colour);

    std::array<Day, Days> days_{};
};
