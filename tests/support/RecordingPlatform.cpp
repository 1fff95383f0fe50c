#include "RecordingPlatform.h"

#include "SoundNumbers.h"

#include <gtest/gtest.h>

void RecordingSoundOutput::playMemory(const QByteArray &wave, PlayMode mode)
{
    const int id = soundNumberOf(wave);
    played.push_back({id, mode});
    const bool sync = mode == PlayMode::Sync;
    journal_.add(QStringLiteral("sound %1 %2").arg(id).arg(sync ? "sync" : "async"));
    if (sync && duringSyncPlay)
        duringSyncPlay(id);
}

void RecordingSoundOutput::playFile(const QString &path)
{
    played.push_back({-1, PlayMode::Async});
    journal_.add(QStringLiteral("file ") + path);
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

void RecordingPlatform::processPendingEvents()
{
    journal_.add(QStringLiteral("events"));
    if (duringPendingEvents)
        duringPendingEvents();
}

// The middle of each value's interval, so floor(r * n) lands on it without rounding doubts.
void RecordingPlatform::scriptResults(int n, std::initializer_list<int> results)
{
    for (int value : results)
        draws.push_back((static_cast<float>(value) + 0.5f) / static_cast<float>(n));
}
