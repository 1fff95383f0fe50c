// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParentSettings.h"

#include "LearningRecord.h"

int ParentSettings::levelToStartAt(const LearningRecord &record) const
{
    return startLevel == StartLevel::HighestReached ? record.highestLevel() : 1;
}

double ParentSettings::gain() const
{
    return muted ? 0.0 : static_cast<double>(volume) / FullVolume;
}
