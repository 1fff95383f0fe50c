// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"
#include "Journal.h"
#include "Platform.h"
#include "SoundOutput.h"

#include <QDateTime>
#include <QObject>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// A sound the game started: the built-in sound it came from (number -1 for a file) and whether
// the game waits for its end.
struct PlayedSound {
    SoundId sound{-1};
    bool held = false;

    bool operator==(const PlayedSound &) const = default;
};

inline void PrintTo(const PlayedSound &played, std::ostream *out)
{
    *out << played.sound.number << (played.held ? " held" : "");
}

// Sound output that plays nothing and records what was started, telling built-in sounds by
// their bytes. It journals "sound N", "sound N held", "file PATH" and "stop". A held sound
// plays until the test ends it, or, with endsHeldSoundsSoon, until the event loop next runs.
class RecordingSoundOutput : public SoundOutput {
public:
    explicit RecordingSoundOutput(Journal &journal) : journal_(journal) {}

    void play(const QByteArray &wave, std::function<void()> ended) override;
    void playFile(const QString &path) override;
    void stop() override;
    void setVolume(double gain) override { volume = gain; }

    bool isHolding() const { return static_cast<bool>(heldEnd_); }
    // The held sound playing reaches its end: what follows it runs.
    void endHeldSound();

    std::vector<PlayedSound> played;
    // Held sounds that another sound or a stop cut off before their end.
    int heldCutOff = 0;
    bool endsHeldSoundsSoon = false;
    double volume = 1;

private:
    void cutOff();

    Journal &journal_;
    std::function<void()> heldEnd_;
    // Ends held sounds soon only while the output lives.
    QObject lifetime_;
};

// Recording sound, scripted random draws, a clock the test sets, a chosen program folder and a
// record folder of its own, empty at first.
class RecordingPlatform : public Platform {
public:
    explicit RecordingPlatform(Journal &journal) : output(journal) {}

    SoundOutput &sound() override { return output; }
    // Takes the next scripted draw; running out of draws fails the test.
    float randomUniform() override;
    QString programFolder() const override { return QStringLiteral("/games/kitten"); }
    QString dataFolder() const override { return QStringLiteral("/games/share/kitten"); }
    QString recordFolder() const override { return recordFolder_.path(); }
    QDateTime now() const override { return clock; }

    // Queues draws that make randomBelow(n) return each value.
    void scriptResults(int n, std::initializer_list<int> results);

    RecordingSoundOutput output;
    std::deque<float> draws;
    QDateTime clock{QDate(2026, 5, 4), QTime(9, 0)};

private:
    QTemporaryDir recordFolder_;
};
