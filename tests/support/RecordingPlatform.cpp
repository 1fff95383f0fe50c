// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingPlatform.h"

#include "SoundNumbers.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <utility>

void RecordingSoundOutput::play(const QByteArray &wave, std::function<void()> ended)
{
    cutOff();
    const SoundId sound{soundNumberOf(wave)};
    const bool held = static_cast<bool>(ended);
    played.push_back({sound, held});
    journal_.add(QStringLiteral("sound %1%2").arg(sound.number).arg(held ? " held" : ""));
    heldEnd_ = std::move(ended);
    if (held && endsHeldSoundsSoon) {
        const auto playedNow = played.size();
        QTimer::singleShot(0, &lifetime_, [this, playedNow] {
            if (heldEnd_ && played.size() == playedNow)
                endHeldSound();
        });
    }
}

void RecordingSoundOutput::playFile(const QString &path)
{
    cutOff();
    played.push_back({});
    journal_.add(QStringLiteral("file ") + path);
}

void RecordingSoundOutput::stop()
{
    cutOff();
    journal_.add(QStringLiteral("stop"));
}

void RecordingSoundOutput::endHeldSound()
{
    if (!heldEnd_) {
        ADD_FAILURE() << "no held sound plays";
        return;
    }
    std::exchange(heldEnd_, nullptr)();
}

void RecordingSoundOutput::cutOff()
{
    if (std::exchange(heldEnd_, nullptr))
        ++heldCutOff;
}

float RecordingPlatform::randomUniform()
{
    if (draws.empty()) {
        ADD_FAILURE() << "the game drew more random numbers than the test scripted";
        return 0.0f;
    }
    const float r = draws.front();
    draws.pop_front();
    return r;
}

// The middle of each value's interval, so floor(r * n) lands on it without rounding doubts.
void RecordingPlatform::scriptResults(int n, std::initializer_list<int> results)
{
    for (int value : results)
        draws.push_back((static_cast<float>(value) + 0.5f) / static_cast<float>(n));
}
