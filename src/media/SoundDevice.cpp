// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundDevice.h"

#include "Stderr.h"
#include "StderrSilencer.h"

#include <QFile>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>
#include <memory>
#include <utility>

namespace {

using namespace std::chrono_literals;

// Almost every sound of the game is recorded at this rate; 512 frames make callbacks of
// about 23 ms, so a stop or a new sound is heard at once.
constexpr int DeviceRate = 22050;
constexpr Uint16 DeviceFrames = 512;

// How often, while the device is open, the keeper looks whether it has been idle long enough
// to release it, as a share of that idle time.
constexpr int IdleChecks = 4;

} // namespace

SoundDevice::SoundDevice(std::chrono::milliseconds idleRelease) : idleRelease_(idleRelease)
{
    // SDL's event subsystem, started along with audio, would otherwise catch Ctrl+C and turn
    // it into an SDL quit event that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Hanzi Kitten");
    keeper_ = std::thread([this] { keep(); });
    decoder_ = std::thread([this] { decode(); });
}

void SoundDevice::setListener(Listener listener)
{
    std::lock_guard lock(mixing_);
    listener_ = std::move(listener);
}

std::uint64_t SoundDevice::ask(const QByteArray &wave, const QString &file)
{
    pauseAndClear();
    std::lock_guard lock(devices_);
    pending_ = Request{++latest_, wave, file};
    requested_.notify_one();
    return latest_;
}

void SoundDevice::stop()
{
    pauseAndClear();
    std::lock_guard lock(devices_);
    ++latest_;
    pending_.reset();
}

// The threads and the device are ended on a thread of their own: closing the device waits for
// SDL's audio thread, which a stalled device can hold in its driver for many seconds.
bool SoundDevice::close(std::chrono::milliseconds allowance)
{
    pauseAndClear();
    setListener({});
    {
        std::lock_guard lock(devices_);
        quitting_ = true;
    }
    wake_.notify_all();
    requested_.notify_all();
    auto ended = std::make_shared<std::promise<void>>();
    std::thread([this, ended] {
        keeper_.join();
        decoder_.join();
        if (device_ != 0)
            SDL_CloseAudioDevice(device_);
        if (usable_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        ended->set_value();
    }).detach();
    return ended->get_future().wait_for(allowance) == std::future_status::ready;
}

void SoundDevice::feed(void *device, std::uint8_t *stream, int length)
{
    static_cast<SoundDevice *>(device)->fill(stream, length);
}

void SoundDevice::setVolume(double gain)
{
    volume_ = static_cast<int>(std::lround(std::clamp(gain, 0.0, 1.0) * SDL_MIX_MAXVOLUME));
}

// At full volume the samples go to the device exactly as they are; otherwise SDL mixes them
// into silence at the volume, a plain loop over the samples.
void SoundDevice::copyScaled(std::uint8_t *stream, const std::uint8_t *samples,
                             std::size_t count) const
{
    const int volume = volume_.load(std::memory_order_relaxed);
    if (volume == SDL_MIX_MAXVOLUME) {
        if (count > 0)
            std::memcpy(stream, samples, count);
        return;
    }
    std::memset(stream, format_.silence, count);
    if (volume > 0 && count > 0)
        SDL_MixAudioFormat(stream, samples, format_.format, static_cast<Uint32>(count), volume);
}

// Runs on SDL's audio thread: copies the next samples, at the volume, and pads with silence
// after the end. A sound that has ended leaves only silence here until the next sound or stop
// pauses the device, or until the keeper releases it.
void SoundDevice::fill(std::uint8_t *stream, int length)
{
    const auto wanted = static_cast<std::size_t>(length);
    std::lock_guard lock(mixing_);
    const std::size_t count = std::min(wanted, current_.size() - position_);
    copyScaled(stream, current_.data() + position_, count);
    std::memset(stream + count, format_.silence, wanted - count);
    position_ += count;
    if (playing_ != 0 && position_ >= current_.size()) {
        if (listener_.handedOver)
            listener_.handedOver(playing_);
        playing_ = 0;
        idleSince_ = Clock::now();
    }
}

// Opens the device, without any lock: opening can take long. The first time, the device's own
// sample format and rate are accepted when it offers others than asked for; a device opened
// again later must take the same ones, since the sounds are converted to them.
std::uint32_t SoundDevice::open(bool first)
{
    SDL_AudioSpec wanted{};
    wanted.freq = first ? DeviceRate : obtained_.freq;
    wanted.format = first ? AUDIO_S16SYS : obtained_.format;
    wanted.channels = first ? 2 : obtained_.channels;
    wanted.samples = DeviceFrames;
    wanted.callback = &SoundDevice::feed;
    wanted.userdata = this;
    const int changes =
        first ? SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE : 0;
    SDL_AudioSpec got{};
    const std::uint32_t opened = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, changes);
    if (opened != 0 && first) {
        obtained_ = got;
        format_ = {got.format, got.channels, got.freq, got.silence};
    }
    return opened;
}

bool SoundDevice::idleLongEnough()
{
    std::lock_guard lock(mixing_);
    return playing_ == 0 && Clock::now() - idleSince_ >= idleRelease_;
}

// Starts SDL's audio and opens the device, then releases the device whenever nothing has
// played for the idle time.
void SoundDevice::keep()
{
    std::uint32_t opened = 0;
    {
        StderrSilencer quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
            opened = open(true);
    }
    if (opened == 0)
        sayOnStderr(QStringLiteral("no sound device could be opened; the game plays silently"));
    std::unique_lock lock(devices_);
    device_ = opened;
    ready_ = true;
    usable_ = opened != 0;
    requested_.notify_all();
    while (usable_ && !quitting_) {
        if (device_ == 0) {
            wake_.wait(lock);
            continue;
        }
        wake_.wait_for(lock, idleRelease_ / IdleChecks);
        if (quitting_ || device_ == 0 || !idleLongEnough())
            continue;
        const std::uint32_t released = device_;
        device_ = 0;
        lock.unlock();
        SDL_CloseAudioDevice(released);
        lock.lock();
    }
}

// Takes the last sound asked for once the device is ready, decodes it without holding any
// lock, and starts it unless another sound or a stop has been asked for meanwhile.
void SoundDevice::decode()
{
    std::unique_lock lock(devices_);
    for (;;) {
        requested_.wait(lock, [this] { return quitting_ || (ready_ && pending_); });
        if (quitting_)
            return;
        const Request request = *std::exchange(pending_, std::nullopt);
        if (!usable_) {
            tellHandedOver(request.ticket);
            continue;
        }
        lock.unlock();
        Samples samples = decoded(request);
        lock.lock();
        if (request.ticket != latest_)
            continue;
        if (device_ == 0 && !reopen(lock)) {
            tellHandedOver(request.ticket);
            continue;
        }
        // Another sound or a stop may have been asked for while the device opened.
        if (request.ticket == latest_)
            start(std::move(samples), request.ticket);
    }
}

// Opens the device again after the keeper released it, with the lock let go meanwhile; a
// device that cannot be opened again leaves the game silent, as if there had never been one.
bool SoundDevice::reopen(std::unique_lock<std::mutex> &lock)
{
    lock.unlock();
    const std::uint32_t opened = open(false);
    lock.lock();
    if (opened == 0) {
        usable_ = false;
        return false;
    }
    device_ = opened;
    // The keeper watches the device again.
    wake_.notify_all();
    return true;
}

void SoundDevice::tellHandedOver(std::uint64_t ticket)
{
    std::lock_guard telling(mixing_);
    if (listener_.handedOver)
        listener_.handedOver(ticket);
}

// A file is not read at all when it is too big to be a sound the game would play.
Samples SoundDevice::decoded(const Request &request)
{
    std::optional<Samples> samples;
    if (request.file.isEmpty()) {
        samples = decodeWave(request.wave, format_);
    } else {
        QFile file(request.file);
        QByteArray wave;
        if (file.open(QIODevice::ReadOnly) && file.size() <= MaxWaveFileBytes)
            wave = file.read(MaxWaveFileBytes);
        samples = decodeWaveFile(wave, format_);
    }
    if (samples)
        return std::move(*samples);
    if (beep_.empty())
        beep_ = defaultBeep(format_);
    return beep_;
}

// With the devices lock held and the device open: swaps the new samples in under the mixing
// lock, so the audio thread never reads a buffer that is being replaced; the old ones are
// freed after the lock is released.
void SoundDevice::start(Samples samples, std::uint64_t ticket)
{
    const auto length = playingTime(samples, format_);
    {
        std::lock_guard mixing(mixing_);
        current_.swap(samples);
        position_ = 0;
        playing_ = ticket;
        if (listener_.started)
            listener_.started(ticket, length);
    }
    SDL_PauseAudioDevice(device_, 0);
}

void SoundDevice::pauseAndClear()
{
    std::lock_guard lock(devices_);
    if (!usable_)
        return;
    // Once paused, SDL no longer calls fill(). Never pause while holding the mixing lock: the
    // audio thread holds SDL's device lock while it waits for that lock in fill().
    if (device_ != 0)
        SDL_PauseAudioDevice(device_, 1);
    Samples released;
    std::lock_guard mixing(mixing_);
    released.swap(current_);
    position_ = 0;
    playing_ = 0;
    idleSince_ = Clock::now();
}
