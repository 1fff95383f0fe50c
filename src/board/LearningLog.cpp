// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LearningLog.h"

#include "LearningRecord.h"
#include "Platform.h"

LearningLog::LearningLog(LearningRecord &record, Platform &platform)
    : record_(record), platform_(platform)
{
}

void LearningLog::wordTaught(int word)
{
    record_.noteTaught(word, today());
    changed_ = true;
}

void LearningLog::wordAnswered(int word, bool right)
{
    record_.noteAnswer(word, today(), right);
    changed_ = true;
}

// A clock set back makes the pause negative: it counts as none.
void LearningLog::childPressed()
{
    const QDateTime now = platform_.now();
    const qint64 pause = lastPress_ ? lastPress_->secsTo(now) : 0;
    const bool playing = pause >= 0 && pause <= IdleLimitSeconds;
    record_.notePlay(now.date(), playing ? static_cast<int>(pause) : 0, level_);
    lastPress_ = now;
    changed_ = true;
}

void LearningLog::levelStarted(int level)
{
    level_ = level;
    saveIfChanged();
}

void LearningLog::saveIfChanged()
{
    if (changed_ && save_)
        save_();
    changed_ = false;
}

QDate LearningLog::today() const
{
    return platform_.now().date();
}
