#include "RecordingPlatform.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <gtest/gtest.h>

namespace {

// The bytes of every built-in sound mapped to its number, read once per test program.
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
