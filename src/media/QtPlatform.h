#pragma once

#include "Platform.h"

#include <memory>
#include <optional>
#include <random>

class SdlSoundOutput;

// The platform of the running game: sound through SDL's audio device, random draws from a
// generator seeded once (from the clock unless a seed is given, which makes every draw of a
// game repeat), and the application's folder. The data folder lies where
// the installation put it relative to the program, so an installed tree can be moved whole.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(std::optional<unsigned> seed = std::nullopt);
    ~QtPlatform() override;

    // Starts the sound output, which opens its device on a thread of its own; sound() does it
    // on first use otherwise. The output may silence stderr for a moment while the device
    // opens, so what the program has to say at start-up is said before this. It reports the
    // ends of sounds to this thread's event loop.
    void startSound();
    SoundOutput &sound() override;
    float randomUniform() override;
    QString programFolder() const override;
    QString dataFolder() const override;

private:
    std::unique_ptr<SdlSoundOutput> sound_;
    std::mt19937 generator_;
};
