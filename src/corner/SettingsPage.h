// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ParentSettings.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

// The corner's settings: the level a game starts at, the sound's volume and mute, full screen
// from the start, and forgetting the record, which asks first. Every change is reported at
// once.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget *parent = nullptr);

    // Shows the settings, and the highest level reached beside that choice.
    void showSettings(const ParentSettings &settings, int highestLevel);

signals:
    void settingsChanged(const ParentSettings &settings);
    // The parent asked to forget the record and confirmed it.
    void forgetConfirmed();

private:
    QWidget *startBox();
    QWidget *soundBox();
    QWidget *recordBox();
    void reportChange();
    void askToForget();

    QRadioButton *firstLevel_;
    QRadioButton *highestLevel_;
    QSlider *volume_;
    QLabel *volumeText_;
    QCheckBox *muted_;
    QCheckBox *fullScreen_;
    // While the settings are being shown, the controls' changes are not the parent's.
    bool showing_ = false;
};
