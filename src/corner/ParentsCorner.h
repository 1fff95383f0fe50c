// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CentredDialog.h"
#include "ParentSettings.h"

class Content;
class DaysPage;
class QDate;
class QLabel;
class SettingsPage;
class WordsPage;
struct SavedRecord;

// The parents' corner, behind the held help button and its question: what the child has
// learnt and when, and the family's settings, in the parent's language, on five pages (the
// words, the last fourteen days, the settings, a short guide, About). Its pages and every
// control on them are reached with the keyboard alone: Ctrl+Tab turns the pages, Tab moves
// between controls, Escape closes. It belongs to the main window as a CentredDialog.
class ParentsCorner : public CentredDialog {
    Q_OBJECT
public:
    ParentsCorner(const Content &content, QWidget *mainWindow);

    // Shows the record as it is on the day today.
    void showRecord(const SavedRecord &record, QDate today);

signals:
    void settingsChanged(const ParentSettings &settings);
    // The parent asked to forget the record and confirmed it.
    void forgetConfirmed();

private:
    QLabel *restart_;
    WordsPage *words_;
    DaysPage *days_;
    SettingsPage *settings_;
};
