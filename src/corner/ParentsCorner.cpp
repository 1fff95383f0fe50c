// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParentsCorner.h"

#include "AboutPage.h"
#include "DaysPage.h"
#include "GuidePage.h"
#include "RecordReport.h"
#include "SavedRecord.h"
#include "SettingsPage.h"
#include "WordsPage.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

ParentsCorner::ParentsCorner(const Content &content, QWidget *mainWindow)
    : CentredDialog(mainWindow), restart_(new QLabel(this)), words_(new WordsPage(content, this)),
      days_(new DaysPage(this)), settings_(new SettingsPage(this))
{
    speakToParents();
    setWindowTitle(tr("Parents' corner"));
    resize(QSize(960, 640).boundedTo(mainWindow->screen()->availableSize()));
    restart_->setObjectName(QStringLiteral("restart"));
    restart_->setWordWrap(true);
    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    pages->addTab(words_, tr("Words"));
    pages->addTab(days_, tr("Days"));
    pages->addTab(settings_, tr("Settings"));
    pages->addTab(new GuidePage(this), tr("Guide"));
    pages->addTab(new AboutPage(this), tr("About"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(settings_, &SettingsPage::settingsChanged, this, &ParentsCorner::settingsChanged);
    connect(settings_, &SettingsPage::forgetConfirmed, this, &ParentsCorner::forgetConfirmed);

    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the focus is, Close included.
    connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, pages,
            [pages] { pages->setCurrentIndex((pages->currentIndex() + 1) % pages->count()); });
    connect(
        new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, pages, [pages] {
            pages->setCurrentIndex((pages->currentIndex() + pages->count() - 1) % pages->count());
        });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(restart_);
    layout->addWidget(pages, 1);
    layout->addWidget(buttons);
}

void ParentsCorner::showRecord(const SavedRecord &record, QDate today)
{
    restart_->setText(RecordReport::restartText(record));
    restart_->setVisible(!restart_->text().isEmpty());
    words_->showRecord(record.learning);
    days_->showRecord(record.learning, today);
    settings_->showSettings(record.settings, record.learning.highestLevel());
}
