#include "RecordingPlatform.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <gtest/gtest.h>

namespace {

// The bytes of every embedded sound resource mapped to its number, read once per test binary.
const QHash<QByteArray, int> &soundIdsByBytes()
{
    static const QHash<QByteArray, int> ids = [] {
        QHash<QByteArray, int> table;
        QDirIterator it(QStringLiteral(":/sounds"));
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                table.insert(file.readAll(), QFileInfo(path).baseName().toInt());
        }
        return table;
    }();
    return ids;
}

} // namespace

void RecordingSoundOutput::playMemory(const QByteArray &wave, PlayMode mode)
{
    const int id = soundIdsByBytes().value(wave, -1);
    played.push_back({id, mode, {}});
    if (mode == PlayMode::Sync && duringSyncPlay)
        duringSyncPlay(id);
}

void RecordingSoundOutput::playFile(const QString &path)
{
    played.push_back({-1, PlayMode::Async, path});
}

std::vector<int> RecordingSoundOutput::ids() const
{
    std::vector<int> result;
    for (const PlayedSound &sound : played)
        result.push_back(sound.id);
    return result;
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
    ++pendingEventRuns;
    if (duringPendingEvents)
        duringPendingEvents();
    QCoreApplication::processEvents();
}

void RecordingPlatform::scriptDraws(std::initializer_list<float> values)
{
    draws.insert(draws.end(), values);
}

// The middle of the value's interval, so floor(r * n) lands on it without rounding doubts.
void RecordingPlatform::scriptResults(int n, std::initializer_list<int> results)
{
    for (int value : results)
        draws.push_back((static_cast<float>(value) + 0.5f) / static_cast<float>(n));
}
