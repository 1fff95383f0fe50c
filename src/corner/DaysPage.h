// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class DaysChart;
class LearningRecord;
class QDate;
class QLabel;

// The corner's second page: the last fourteen days as a chart of minutes played and words
// practised, with what they add up to.
class DaysPage : public QWidget {
    Q_OBJECT
public:
    explicit DaysPage(QWidget *parent = nullptr);

    void showRecord(const LearningRecord &learning, QDate today);

private:
    DaysChart *chart_;
    QLabel *summary_;
};
