#pragma once

#include "Journal.h"
#include "Platform.h"
#include "SoundOutput.h"

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// A sound the game started: the built-in sound it came from (-1 for a file) and whether the
// game waited for it.
struct PlayedSound {
    int id = -1;
    PlayMode mode = PlayMode::Async;

    bool operator==(const PlayedSound &) const = default;
};

inline void PrintTo(const PlayedSound &sound, std::ostream *out)
{
    *out << sound.id << (sound.mode == PlayMode::Sync ? " sync" : " async");
}

// Sound output that plays nothing and records what was started, telling built-in sounds by
// their bytes. It journals "sound N async", "sound N sync", "file PATH" and "stop".
class RecordingSoundOutput : public SoundOutput {
public:
    explicit RecordingSoundOutput(Journal &journal) : journal_(journal) {}

    void playMemory(const QByteArray &wave, PlayMode mode) override;
    void playFile(const QString &path) override;
    void stop() override { journal_.add(QStringLiteral("stop")); }

    std::vector<PlayedSound> played;
    // Runs inside every synchronous play, while the sound would hold the thread.
    std::function<void(int id)> duringSyncPlay;

private:
    Journal &journal_;
};

// Recording sound, scripted random draws, counted waits and pending-event runs, and a chosen
// program folder. It journals "events" for every pending-event run.
class RecordingPlatform : public Platform {
public:
    explicit RecordingPlatform(Journal &journal) : output(journal), journal_(journal) {}

    SoundOutput &sound() override { return output; }
    // Takes the next scripted draw; running out of draws fails the test.
    float randomUniform() override;
    void processPendingEvents() override;
    void wait100ms() override { ++waits; }
    QString programFolder() const override { return QStringLiteral("/games/kitten"); }
    QString dataFolder() const override { return QStringLiteral("/games/share/kitten"); }

    // Queues draws that make randomBelow(n) return each value.
    void scriptResults(int n, std::initializer_list<int> results);

    RecordingSoundOutput output;
    std::deque<float> draws;
    int waits = 0;
    // Runs inside every pending-event run: input that was waiting.
    std::function<void()> duringPendingEvents;

private:
    Journal &journal_;
};
