// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LearningRecord.h"
#include "ParentSettings.h"

#include <QDate>
#include <QString>

#include <optional>

// The day the record started afresh because its file could not be read, and the name that
// file was kept under, beside the new one.
struct RecordRestart {
    QDate day;
    QString keptAs;

    bool operator==(const RecordRestart &) const = default;
};

// Everything the record file keeps: what the child has learnt, the family's settings, and
// whether the record had to start afresh.
struct SavedRecord {
    LearningRecord learning;
    ParentSettings settings;
    std::optional<RecordRestart> restart;

    // Forgets what was learnt and the restart; the settings stay.
    void forgetLearning()
    {
        learning = {};
        restart.reset();
    }

    bool operator==(const SavedRecord &) const = default;
};
