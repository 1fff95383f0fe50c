#pragma once

#include "Platform.h"

#include <memory>
#include <random>

class SdlSoundOutput;

// The platform of the running game: sound through SDL's audio device, random draws from a
// clock-seeded generator, and Qt's event loop, thread and application folder.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    SoundOutput &sound() override;
    float randomUniform() override;
    void processPendingEvents() override;
    void wait100ms() override;
    QString programFolder() const override;

private:
    std::unique_ptr<SdlSoundOutput> sound_;
    std::mt19937 generator_;
};
