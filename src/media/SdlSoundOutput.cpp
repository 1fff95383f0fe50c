// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SdlSoundOutput.h"

#include "SoundDevice.h"

#include <utility>

namespace {

using namespace std::chrono_literals;

// How long past its own length a sound whose end is awaited counts as ended anyway, when the
// device has stopped taking samples.
constexpr auto StallMargin = 250ms;

// Closing the device waits for SDL's audio thread, which a stalled device can hold in its
// driver for many seconds; the game does not wait longer than this when it ends.
constexpr auto CloseAllowance = 500ms;

} // namespace

SdlSoundOutput::SdlSoundOutput(std::chrono::milliseconds idleRelease)
    : device_(std::make_unique<SoundDevice>(idleRelease))
{
    stallWatch_.setSingleShot(true);
    connect(&stallWatch_, &QTimer::timeout, this, [this] { onHandedOver(endedTicket_); });
    // The device's threads tell this thread through its event loop.
    device_->setListener({
        [this](std::uint64_t ticket, std::chrono::milliseconds length) {
            QMetaObject::invokeMethod(
                this, [this, ticket, length] { onStarted(ticket, length); }, Qt::QueuedConnection);
        },
        [this](std::uint64_t ticket) {
            QMetaObject::invokeMethod(
                this, [this, ticket] { onHandedOver(ticket); }, Qt::QueuedConnection);
        },
    });
}

// A device whose threads do not end in time is left to them.
SdlSoundOutput::~SdlSoundOutput()
{
    if (!device_->close(CloseAllowance))
        static_cast<void>(device_.release());
}

void SdlSoundOutput::play(const QByteArray &wave, std::function<void()> ended)
{
    cutOff();
    const std::uint64_t ticket = device_->ask(wave, {});
    if (!ended)
        return;
    ended_ = std::move(ended);
    endedTicket_ = ticket;
}

void SdlSoundOutput::playFile(const QString &path)
{
    cutOff();
    device_->ask({}, path);
}

void SdlSoundOutput::stop()
{
    device_->stop();
    cutOff();
}

void SdlSoundOutput::setVolume(double gain)
{
    device_->setVolume(gain);
}

void SdlSoundOutput::onStarted(std::uint64_t ticket, std::chrono::milliseconds length)
{
    if (ended_ && ticket == endedTicket_)
        stallWatch_.start(length + StallMargin);
}

// The sound has been handed to the device in full, or its stall watch ran out, or it could
// not be played: if its end is awaited, the device is paused and the end reported.
void SdlSoundOutput::onHandedOver(std::uint64_t ticket)
{
    if (ended_ && ticket == endedTicket_)
        stop();
}

// The sound whose end is awaited is over, heard in full or cut off: its end is reported.
void SdlSoundOutput::cutOff()
{
    stallWatch_.stop();
    if (ended_)
        QMetaObject::invokeMethod(this, std::exchange(ended_, nullptr), Qt::QueuedConnection);
}
