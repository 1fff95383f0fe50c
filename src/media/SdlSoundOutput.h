#pragma once

#include "SoundOutput.h"
#include "WaveDecoding.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

// The game's real sound output on SDL's audio subsystem, one sound at a time. Each WAVE image
// is decoded and converted to the device's format when it starts, so the audio thread only
// copies samples. The device opens on a thread of its own while the window is being made, and
// is released whenever nothing has played for the idle time, so that nothing runs while the
// game waits for a click; the next sound opens it again. Without an audio device every play is
// silent and returns at once; an image that cannot be decoded plays a short soft beep.
class SdlSoundOutput : public SoundOutput {
public:
    explicit SdlSoundOutput(std::chrono::milliseconds idleRelease = std::chrono::seconds(2));
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput &) = delete;
    SdlSoundOutput &operator=(const SdlSoundOutput &) = delete;

    void playMemory(const QByteArray &wave, PlayMode mode) override;
    // A file the game cannot sensibly play (see decodeWaveFile) plays the short beep instead.
    void playFile(const QString &path) override;
    void stop() override;

private:
    using Clock = std::chrono::steady_clock;
    struct State;

    bool usable();
    std::optional<std::uint64_t> start(Samples samples);
    void waitForEnd(std::uint64_t ticket, std::chrono::milliseconds length);
    const Samples &beep();

    std::unique_ptr<State> state_;
    Samples beep_;
};
