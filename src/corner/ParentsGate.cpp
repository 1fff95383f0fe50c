// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParentsGate.h"

#include <QDialogButtonBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

ParentsGate::ParentsGate(QWidget *mainWindow)
    : CentredDialog(mainWindow), question_(new QLabel(this)), verdict_(new QLabel(this)),
      answer_(new QLineEdit(this))
{
    speakToParents();
    setWindowTitle(tr("For grown-ups"));
    question_->setObjectName(QStringLiteral("question"));
    answer_->setObjectName(QStringLiteral("answer"));
    answer_->setValidator(new QIntValidator(0, 999, answer_));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Open the parents' corner"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ParentsGate::answer);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(answer_, &QLineEdit::returnPressed, this, &ParentsGate::answer);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addWidget(answer_);
    layout->addWidget(verdict_);
    layout->addWidget(buttons);
    ask();
}

// The draws are the gate's own, never the game's, so a seeded game plays the same.
void ParentsGate::ask()
{
    const int first = QRandomGenerator::global()->bounded(12, 50);
    const int second = QRandomGenerator::global()->bounded(12, 50);
    sum_ = first + second;
    question_->setText(tr("For grown-ups: what is %1 + %2?").arg(first).arg(second));
    answer_->clear();
    answer_->setFocus();
}

void ParentsGate::answer()
{
    if (answer_->text().toInt() == sum_ && !answer_->text().isEmpty()) {
        emit passed();
        close();
        return;
    }
    verdict_->setText(tr("Not quite. Here is another one."));
    ask();
}
