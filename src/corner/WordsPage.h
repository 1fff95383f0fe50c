// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollArea>

#include <vector>

class Content;
class LearningRecord;
class QLabel;
class WordCard;

// The corner's first page: every word as a picture card, in the groups of four the game first
// teaches them in, coloured by how far the child has come with it, under the count of each.
class WordsPage : public QScrollArea {
    Q_OBJECT
public:
    WordsPage(const Content &content, QWidget *parent = nullptr);

    void showRecord(const LearningRecord &learning);

private:
    int wordCount_;
    QLabel *counts_;
    std::vector<WordCard *> cards_;
};
