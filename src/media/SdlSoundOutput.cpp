#include "SdlSoundOutput.h"

#include "Stderr.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <SDL.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <future>
#include <mutex>
#include <thread>
#include <utility>

namespace {

using namespace std::chrono_literals;

// How long past its own length a sound whose end is awaited counts as ended anyway, when the
// device has stopped taking samples.
constexpr auto StallMargin = 250ms;

// Almost every sound of the game is recorded at this rate; 512 frames make callbacks of
// about 23 ms, so a stop or a new sound is heard at once.
constexpr int DeviceRate = 22050;
constexpr Uint16 DeviceFrames = 512;

// Closing the device waits for SDL's audio thread, which a stalled device can hold in its
// driver for many seconds; the game does not wait longer than this when it ends.
constexpr auto CloseAllowance = 500ms;

// How often, while the device is open, the keeper looks whether it has been idle long enough
// to release it, as a share of that idle time.
constexpr int IdleChecks = 4;

// ALSA writes its own diagnostics to stderr when it finds no sound card, and SDL offers no
// way to silence them. The program says in one line of its own when there is no sound, so
// stderr points at /dev/null while the audio subsystem starts and the device opens, and is
// restored afterwards.
class StderrSilenced {
public:
    StderrSilenced() : held_(holdStderr())
    {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~StderrSilenced()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    StderrSilenced(const StderrSilenced &) = delete;
    StderrSilenced &operator=(const StderrSilenced &) = delete;

private:
    std::unique_lock<std::mutex> held_;
    int saved_ = -1;
};

} // namespace

// Everything SDL's audio thread and the keeper thread touch. When a stalled device keeps them
// from ending, the game ends without them and leaves this to them.
struct SdlSoundOutput::State {
    // The sound playing, shared with SDL's audio thread, which calls fill().
    std::mutex mixing;
    Samples current;
    std::size_t position = 0;
    bool playing = false;
    // Counts the sounds started and stopped, so that the end of one is never taken for the
    // end of another.
    std::uint64_t ticket = 0;
    Clock::time_point idleSince = Clock::now();
    // Hears, on its own thread, of the device's opening and of each sound handed over in
    // full; nothing once it is gone. Guarded by the mixing lock.
    SdlSoundOutput *owner = nullptr;

    // The device, opened and released by the keeper and reopened by the player.
    std::mutex devices;
    std::condition_variable wake;
    std::uint32_t device = 0;
    bool ready = false;
    bool usable = false;
    bool quitting = false;
    SDL_AudioSpec obtained{};
    SampleFormat format;
    std::chrono::milliseconds idleRelease;
    std::thread keeper;

    static void feed(void *state, std::uint8_t *stream, int length)
    {
        static_cast<State *>(state)->fill(stream, length);
    }

    // Runs on SDL's audio thread: copies the next samples and pads with silence after the
    // end. A sound that has ended leaves only silence here until the next stop pauses the
    // device, or until the keeper releases it.
    void fill(std::uint8_t *stream, int length)
    {
        const auto wanted = static_cast<std::size_t>(length);
        std::lock_guard lock(mixing);
        const std::size_t count = std::min(wanted, current.size() - position);
        if (count > 0)
            std::memcpy(stream, current.data() + position, count);
        std::memset(stream + count, format.silence, wanted - count);
        position += count;
        if (playing && position >= current.size()) {
            playing = false;
            idleSince = Clock::now();
            if (owner) {
                QMetaObject::invokeMethod(
                    owner, [owner = owner, ended = ticket] { owner->onHandedOver(ended); },
                    Qt::QueuedConnection);
            }
        }
    }

    // The first time, the device's own sample format and rate are accepted when it offers
    // others than asked for; a device opened again later must take the same ones, since the
    // sounds are converted to them.
    bool open(bool first)
    {
        SDL_AudioSpec wanted{};
        wanted.freq = first ? DeviceRate : obtained.freq;
        wanted.format = first ? AUDIO_S16SYS : obtained.format;
        wanted.channels = first ? 2 : obtained.channels;
        wanted.samples = DeviceFrames;
        wanted.callback = &State::feed;
        wanted.userdata = this;
        const int changes =
            first ? SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE : 0;
        SDL_AudioSpec got{};
        device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, changes);
        if (device == 0)
            return false;
        if (first) {
            obtained = got;
            format = {got.format, got.channels, got.freq, got.silence};
        }
        return true;
    }

    bool idleLongEnough()
    {
        std::lock_guard lock(mixing);
        return !playing && Clock::now() - idleSince >= idleRelease;
    }

    // Starts SDL's audio and opens the device, then releases the device whenever nothing has
    // played for the idle time, so that nothing runs while the game waits for a click.
    void keep()
    {
        bool opened = false;
        {
            StderrSilenced quiet;
            opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && open(true);
        }
        std::unique_lock lock(devices);
        ready = true;
        usable = opened;
        {
            std::lock_guard reporting(mixing);
            if (owner)
                QMetaObject::invokeMethod(owner, &SdlSoundOutput::onDeviceOpened,
                                          Qt::QueuedConnection);
        }
        while (usable && !quitting) {
            if (device == 0) {
                wake.wait(lock);
                continue;
            }
            wake.wait_for(lock, idleRelease / IdleChecks);
            if (quitting || device == 0 || !idleLongEnough())
                continue;
            const std::uint32_t released = device;
            device = 0;
            lock.unlock();
            SDL_CloseAudioDevice(released);
            lock.lock();
        }
    }
};

SdlSoundOutput::SdlSoundOutput(std::chrono::milliseconds idleRelease)
    : state_(std::make_unique<State>())
{
    // SDL's event subsystem, started along with audio, would otherwise catch Ctrl+C and turn
    // it into an SDL quit event that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Hanzi Kitten");
    stallWatch_.setSingleShot(true);
    connect(&stallWatch_, &QTimer::timeout, this, [this] { onHandedOver(endedTicket_); });
    state_->idleRelease = idleRelease;
    state_->owner = this;
    state_->keeper = std::thread([state = state_.get()] { state->keep(); });
}

// The keeper and the device are ended on a thread of their own. When that takes longer than
// the allowance, the game ends without them and leaves them their state.
SdlSoundOutput::~SdlSoundOutput()
{
    pauseAndClear();
    {
        std::lock_guard lock(state_->mixing);
        state_->owner = nullptr;
    }
    {
        std::lock_guard lock(state_->devices);
        state_->quitting = true;
    }
    state_->wake.notify_all();
    auto ended = std::make_shared<std::promise<void>>();
    std::thread([state = state_.get(), ended] {
        state->keeper.join();
        if (state->device != 0)
            SDL_CloseAudioDevice(state->device);
        if (state->usable)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        ended->set_value();
    }).detach();
    if (ended->get_future().wait_for(CloseAllowance) == std::future_status::timeout)
        static_cast<void>(state_.release());
}

void SdlSoundOutput::play(const QByteArray &wave, std::function<void()> ended)
{
    cutOff();
    std::unique_lock lock(state_->devices);
    if (!state_->ready) {
        waiting_ = Waiting{wave, {}, std::move(ended)};
        return;
    }
    const bool usable = state_->usable;
    lock.unlock();
    if (!usable)
        return reportLater(std::move(ended));
    start(decodeWave(wave, state_->format).value_or(beep()), std::move(ended));
}

void SdlSoundOutput::playFile(const QString &path)
{
    cutOff();
    std::unique_lock lock(state_->devices);
    if (!state_->ready) {
        waiting_ = Waiting{{}, path, {}};
        return;
    }
    const bool usable = state_->usable;
    lock.unlock();
    if (usable)
        start(decodedFile(path), {});
}

void SdlSoundOutput::stop()
{
    pauseAndClear();
    cutOff();
}

// Runs where the output was made, once the keeper has tried to open the device: the sound
// asked for meanwhile starts now.
void SdlSoundOutput::onDeviceOpened()
{
    std::unique_lock lock(state_->devices);
    const bool usable = state_->usable;
    lock.unlock();
    if (!usable)
        sayOnStderr(QStringLiteral("no sound device could be opened; the game plays silently"));
    std::optional<Waiting> waiting = std::exchange(waiting_, std::nullopt);
    if (!waiting)
        return;
    if (!usable)
        return reportLater(std::move(waiting->ended));
    if (!waiting->file.isEmpty())
        return start(decodedFile(waiting->file), {});
    start(decodeWave(waiting->wave, state_->format).value_or(beep()), std::move(waiting->ended));
}

// The sound with this ticket has been handed to the device in full, or its stall watch ran
// out: if its end is awaited, the device is paused and the end reported.
void SdlSoundOutput::onHandedOver(std::uint64_t ticket)
{
    if (ended_ && ticket == endedTicket_)
        stop();
}

void SdlSoundOutput::start(Samples samples, std::function<void()> ended)
{
    const auto length = playingTime(samples, state_->format);
    const std::optional<std::uint64_t> ticket = startSamples(std::move(samples));
    if (!ticket)
        return reportLater(std::move(ended));
    if (!ended)
        return;
    ended_ = std::move(ended);
    endedTicket_ = *ticket;
    stallWatch_.start(length + StallMargin);
}

// Opens the device again if the keeper has released it; a device that cannot be opened again
// leaves the game silent, as if there had never been one. The new samples are swapped in under
// the mixing lock, so the audio thread never reads a buffer that is being replaced; the old
// ones are freed after the lock is released.
std::optional<std::uint64_t> SdlSoundOutput::startSamples(Samples samples)
{
    std::lock_guard lock(state_->devices);
    if (!state_->usable)
        return std::nullopt;
    if (state_->device == 0) {
        if (!state_->open(false)) {
            state_->usable = false;
            return std::nullopt;
        }
        // The keeper watches the device again.
        state_->wake.notify_all();
    }
    std::uint64_t ticket = 0;
    {
        std::lock_guard mixing(state_->mixing);
        state_->current.swap(samples);
        state_->position = 0;
        state_->playing = true;
        ticket = ++state_->ticket;
    }
    SDL_PauseAudioDevice(state_->device, 0);
    return ticket;
}

void SdlSoundOutput::pauseAndClear()
{
    std::lock_guard lock(state_->devices);
    if (!state_->usable)
        return;
    // Once paused, SDL no longer calls fill(). Never pause while holding the mixing lock: the
    // audio thread holds SDL's device lock while it waits for that lock in fill().
    if (state_->device != 0)
        SDL_PauseAudioDevice(state_->device, 1);
    Samples released;
    std::lock_guard mixing(state_->mixing);
    released.swap(state_->current);
    state_->position = 0;
    state_->playing = false;
    state_->idleSince = Clock::now();
    ++state_->ticket;
}

// The sound whose end is awaited, playing or still waiting for the device, is over: its end
// is reported.
void SdlSoundOutput::cutOff()
{
    stallWatch_.stop();
    if (ended_)
        reportLater(std::exchange(ended_, nullptr));
    if (waiting_) {
        reportLater(std::move(waiting_->ended));
        waiting_.reset();
    }
}

void SdlSoundOutput::reportLater(std::function<void()> ended)
{
    if (ended)
        QMetaObject::invokeMethod(this, std::move(ended), Qt::QueuedConnection);
}

// The file is not read at all when it is too big to be a sound the game would play.
Samples SdlSoundOutput::decodedFile(const QString &path)
{
    QFile file(path);
    QByteArray wave;
    if (file.open(QIODevice::ReadOnly) && file.size() <= MaxWaveFileBytes)
        wave = file.read(MaxWaveFileBytes);
    return decodeWaveFile(wave, state_->format).value_or(beep());
}

const Samples &SdlSoundOutput::beep()
{
    if (beep_.empty())
        beep_ = defaultBeep(state_->format);
    return beep_;
}
