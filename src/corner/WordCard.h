// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LearningRecord.h"

#include <QFrame>

class Content;
class QLabel;

// One word as a picture card: its picture, characters and pinyin, and how far the child has
// come with it, in words and in the card's colour: grey not yet, yellow met, green known.
class WordCard : public QFrame {
    Q_OBJECT
public:
    WordCard(const Content &content, int word, QWidget *parent = nullptr);

    void showState(const LearningRecord &learning);
    WordState state() const { return state_; }

private:
    int word_;
    WordState state_ = WordState::NotYet;
    QLabel *stateText_;
    QLabel *answers_;
};
