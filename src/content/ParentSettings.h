// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class LearningRecord;

// Which level a game starts at.
enum class StartLevel { First, HighestReached };

// The few settings a family chooses in the parents' corner. The defaults leave the game as it
// has always been: level 1, full volume, in a window.
struct ParentSettings {
    static constexpr int FullVolume = 100;

    StartLevel startLevel = StartLevel::First;
    // 0 to FullVolume percent.
    int volume = FullVolume;
    bool muted = false;
    bool fullScreen = false;

    // The level a game starts at, given what the record says was reached.
    int levelToStartAt(const LearningRecord &record) const;
    // The sound's gain from 0 (silent) to 1 (as recorded).
    double gain() const;

    bool operator==(const ParentSettings &) const = default;
};
