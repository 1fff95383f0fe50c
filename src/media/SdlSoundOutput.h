#pragma once

#include "SoundOutput.h"
#include "WaveDecoding.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The game's real sound output on SDL's audio subsystem, one sound at a time. Each WAVE image
// is decoded and converted to the device's format when it starts, so the audio thread only
// copies samples. The device opens on a thread of its own while the window is being made; a
// sound asked for before then starts as soon as it is open. The device is released whenever
// nothing has played for the idle time, so that nothing runs while the game waits for a click;
// the next sound opens it again. Without an audio device every sound is silent and ends at
// once (the program says so once on stderr); an image that cannot be decoded plays a short
// soft beep.
//
// The end of a sound is reported from the audio thread to the thread that made the output,
// through its event loop. A device that stops taking samples cannot hold the game: a sound
// counts as ended a moment after its own length in any case.
class SdlSoundOutput : public QObject, public SoundOutput {
    Q_OBJECT
public:
    explicit SdlSoundOutput(std::chrono::milliseconds idleRelease = std::chrono::seconds(2));
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput &) = delete;
    SdlSoundOutput &operator=(const SdlSoundOutput &) = delete;

    void play(const QByteArray &wave, std::function<void()> ended = {}) override;
    // A file the game cannot sensibly play (see decodeWaveFile) plays the short beep instead.
    void playFile(const QString &path) override;
    void stop() override;

private:
    using Clock = std::chrono::steady_clock;
    struct State;
    // A sound asked for before the device was open.
    struct Waiting {
        QByteArray wave;
        QString file;
        std::function<void()> ended;
    };

    void onDeviceOpened();
    void onHandedOver(std::uint64_t ticket);
    void start(Samples samples, std::function<void()> ended);
    std::optional<std::uint64_t> startSamples(Samples samples);
    void pauseAndClear();
    void cutOff();
    void reportLater(std::function<void()> ended);
    Samples decodedFile(const QString &path);
    const Samples &beep();

    std::unique_ptr<State> state_;
    Samples beep_;
    std::optional<Waiting> waiting_;
    // The end awaited of the sound playing, and which sound that is.
    std::function<void()> ended_;
    std::uint64_t endedTicket_ = 0;
    QTimer stallWatch_;
};
