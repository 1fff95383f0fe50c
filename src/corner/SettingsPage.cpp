// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

SettingsPage::SettingsPage(QWidget *parent)
    : QWidget(parent), firstLevel_(new QRadioButton(tr("Start at level 1"), this)),
      highestLevel_(new QRadioButton(this)), volume_(new QSlider(Qt::Horizontal, this)),
      volumeText_(new QLabel(this)), muted_(new QCheckBox(tr("Mute"), this)),
      fullScreen_(new QCheckBox(tr("Start in full screen"), this))
{
    firstLevel_->setObjectName(QStringLiteral("startAtLevel1"));
    highestLevel_->setObjectName(QStringLiteral("startAtHighestLevel"));
    volume_->setObjectName(QStringLiteral("volume"));
    muted_->setObjectName(QStringLiteral("muted"));
    fullScreen_->setObjectName(QStringLiteral("fullScreen"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(startBox());
    layout->addWidget(soundBox());
    layout->addWidget(recordBox());
    layout->addStretch();
    const std::initializer_list<QAbstractButton *> choices = {firstLevel_, highestLevel_, muted_,
                                                              fullScreen_};
    for (QAbstractButton *button : choices)
        connect(button, &QAbstractButton::toggled, this, &SettingsPage::reportChange);
    connect(volume_, &QSlider::valueChanged, this, &SettingsPage::reportChange);
}

QWidget *SettingsPage::startBox()
{
    auto *box = new QGroupBox(tr("Starting a game"), this);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(firstLevel_);
    layout->addWidget(highestLevel_);
    layout->addWidget(fullScreen_);
    layout->addWidget(new QLabel(tr("These take effect when the game next starts."), box));
    return box;
}

QWidget *SettingsPage::soundBox()
{
    auto *box = new QGroupBox(tr("Sound"), this);
    auto *layout = new QHBoxLayout(box);
    volume_->setRange(0, ParentSettings::FullVolume);
    volume_->setPageStep(10);
    // Screen readers name the slider; Qt built without accessibility (as for Windows) has none.
#if QT_CONFIG(accessibility)
    volume_->setAccessibleName(tr("Volume"));
#endif
    layout->addWidget(new QLabel(tr("Volume"), box));
    layout->addWidget(volume_, 1);
    layout->addWidget(volumeText_);
    layout->addWidget(muted_);
    return box;
}

QWidget *SettingsPage::recordBox()
{
    auto *box = new QGroupBox(tr("The record"), this);
    auto *layout = new QVBoxLayout(box);
    auto *where =
        new QLabel(tr("The record stays on this computer; nothing is sent anywhere."), box);
    where->setWordWrap(true);
    layout->addWidget(where);
    auto *forget = new QPushButton(tr("Forget the record..."), box);
    forget->setObjectName(QStringLiteral("forgetRecord"));
    connect(forget, &QPushButton::clicked, this, &SettingsPage::askToForget);
    layout->addWidget(forget, 0, Qt::AlignLeft);
    return box;
}

void SettingsPage::showSettings(const ParentSettings &settings, int highestLevel)
{
    showing_ = true;
    highestLevel_->setText(
        tr("Start at the highest level reached (now level %1)").arg(highestLevel));
    (settings.startLevel == StartLevel::First ? firstLevel_ : highestLevel_)->setChecked(true);
    volume_->setValue(settings.volume);
    volumeText_->setText(tr("%1%").arg(settings.volume));
    muted_->setChecked(settings.muted);
    fullScreen_->setChecked(settings.fullScreen);
    showing_ = false;
}

void SettingsPage::reportChange()
{
    volumeText_->setText(tr("%1%").arg(volume_->value()));
    if (showing_)
        return;
    ParentSettings settings;
    settings.startLevel =
        highestLevel_->isChecked() ? StartLevel::HighestReached : StartLevel::First;
    settings.volume = volume_->value();
    settings.muted = muted_->isChecked();
    settings.fullScreen = fullScreen_->isChecked();
    emit settingsChanged(settings);
}

// The question is a window of its own that does not hold the event loop; keeping the record
// is the default answer.
void SettingsPage::askToForget()
{
    auto *question = new QMessageBox(QMessageBox::Warning, tr("Forget the record"),
                                     tr("Forget everything the record holds about what the child "
                                        "has learnt and played? This cannot be undone."),
                                     QMessageBox::NoButton, this);
    question->setObjectName(QStringLiteral("forgetQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *forget = question->addButton(tr("Forget"), QMessageBox::DestructiveRole);
    forget->setObjectName(QStringLiteral("forget"));
    question->setDefaultButton(question->addButton(tr("Keep"), QMessageBox::RejectRole));
    connect(forget, &QPushButton::clicked, this, &SettingsPage::forgetConfirmed);
    question->setWindowModality(Qt::WindowModal);
    question->show();
}
