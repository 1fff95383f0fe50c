#pragma once

#include "SoundOutput.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

struct SDL_AudioSpec;

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
    void playFile(const QString &path) override;
    void stop() override;

private:
    using Samples = std::vector<std::uint8_t>;

    bool openDevice();
    bool hasDevice() const { return device_ != 0; }
    std::optional<Samples> decode(const QByteArray &wave) const;
    std::optional<Samples> toDeviceFormat(const SDL_AudioSpec &source, const std::uint8_t *data,
                                          std::uint32_t size) const;
    Samples defaultBeep() const;
    std::chrono::milliseconds duration(const Samples &samples) const;
    std::uint64_t start(Samples samples);
    void waitForEnd(std::uint64_t ticket, std::chrono::milliseconds length);
    static void feed(void *self, std::uint8_t *stream, int length);
    void fill(std::uint8_t *stream, int length);

    std::uint32_t device_ = 0;
    std::uint16_t deviceFormat_ = 0;
    std::uint8_t deviceChannels_ = 0;
    int deviceRate_ = 0;
    std::uint8_t silence_ = 0;
    Samples beep_;

    // Shared with SDL's audio thread, which calls fill().
    std::mutex mutex_;
    std::condition_variable ended_;
    Samples current_;
    std::size_t position_ = 0;
    bool playing_ = false;
    // Counts the sounds started and stopped, so a waiter knows its sound was replaced.
    std::uint64_t ticket_ = 0;
};
