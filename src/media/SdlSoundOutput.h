#pragma once

#include "SoundOutput.h"
#include "WaveDecoding.h"

#include <chrono>
#include <cstdint>
#include <memory>

// The game's real sound output on SDL's audio subsystem: one device kept open for the whole
// run, one sound at a time. Each WAVE image is decoded and converted to the device's format
// when it starts, so the audio thread only copies samples. Without an audio device every play
// is silent and returns at once; an image that cannot be decoded plays a short soft beep.
class SdlSoundOutput : public SoundOutput {
public:
    SdlSoundOutput();
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput &) = delete;
    SdlSoundOutput &operator=(const SdlSoundOutput &) = delete;

    void playMemory(const QByteArray &wave, PlayMode mode) override;
    // A file the game cannot sensibly play (see decodeWaveFile) plays the short beep instead.
    void playFile(const QString &path) override;
    void stop() override;

private:
    struct Mixer;

    bool openDevice();
    bool hasDevice() const { return device_ != 0; }
    std::uint64_t start(Samples samples);
    void waitForEnd(std::uint64_t ticket, std::chrono::milliseconds length);
    void closeDevice();

    std::uint32_t device_ = 0;
    SampleFormat format_;
    Samples beep_;
    // What SDL's audio thread reads from, apart so that it can outlive this object when a
    // stalled device keeps that thread from ending.
    std::unique_ptr<Mixer> mixer_;
};
