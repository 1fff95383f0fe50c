#pragma once

#include "Platform.h"
#include "SoundOutput.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// One sound the game started: the sound resource it came from (-1 for a file or an unknown
// image), how it was played, and the file path for file sounds.
struct PlayedSound {
    int id = -1;
    PlayMode mode = PlayMode::Async;
    QString file;

    bool operator==(const PlayedSound &) const = default;
};

// Sound output that plays nothing and records what was started, identifying each WAVE image
// by comparing it with the embedded sound resources.
class RecordingSoundOutput : public SoundOutput {
public:
    void playMemory(const QByteArray &wave, PlayMode mode) override;
    void playFile(const QString &path) override;
    void stop() override { ++stops; }

    std::vector<PlayedSound> played;
    int stops = 0;
    // Runs inside every synchronous play, while the sound would block the UI thread; a test
    // uses it to post input that the game must handle only after the sound.
    std::function<void(int id)> duringSyncPlay;

    // Files as -1.
    std::vector<int> ids() const;
    void clear() { played.clear(); }
};

// Recording sound, scripted random draws, counted waits and a chosen program folder.
class RecordingPlatform : public Platform {
public:
    SoundOutput &sound() override { return output; }
    // Takes the next scripted draw; running out of draws fails the test.
    float randomUniform() override;
    void processPendingEvents() override;
    void wait100ms() override { ++waits; }
    QString programFolder() const override { return folder; }

    void scriptDraws(std::initializer_list<float> draws);
    // Queues draws that make randomBelow(n) return each value.
    void scriptResults(int n, std::initializer_list<int> results);

    RecordingSoundOutput output;
    std::deque<float> draws;
    int pendingEventRuns = 0;
    int waits = 0;
    QString folder = QStringLiteral("/tmp/hanzi-kitten-test");
    // Runs inside every processPendingEvents before the real event processing.
    std::function<void()> duringPendingEvents;
};
