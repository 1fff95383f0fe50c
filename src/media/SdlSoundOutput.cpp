#include "SdlSoundOutput.h"

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

namespace {

using namespace std::chrono_literals;

// How long past its own length a synchronous sound may hold the caller when the device
// stops consuming samples.
constexpr auto StallMargin = 250ms;

// Almost every sound of the game is recorded at this rate; 512 frames make callbacks of
// about 23 ms, so a stop or a new sound is heard at once.
constexpr int DeviceRate = 22050;
constexpr Uint16 DeviceFrames = 512;

// Closing the device waits for SDL's audio thread, which a stalled device can hold in its
// driver for many seconds; the game does not wait longer than this when it ends.
constexpr auto CloseAllowance = 500ms;

// ALSA writes its own diagnostics to stderr when it finds no sound card, and SDL offers no
// way to silence them. The game never reports sound problems, so stderr points at /dev/null
// while the audio subsystem starts and the device opens, and is restored afterwards.
class StderrSilenced {
public:
    StderrSilenced()
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
    int saved_ = -1;
};

} // namespace

// Shared with SDL's audio thread, which calls fill().
struct SdlSoundOutput::Mixer {
    std::mutex mutex;
    std::condition_variable ended;
    Samples current;
    std::size_t position = 0;
    bool playing = false;
    // Counts the sounds started and stopped, so a waiter knows its sound was replaced.
    std::uint64_t ticket = 0;
    std::uint8_t silence = 0;

    static void feed(void *mixer, std::uint8_t *stream, int length)
    {
        static_cast<Mixer *>(mixer)->fill(stream, length);
    }

    // Runs on SDL's audio thread: copies the next samples and pads with silence after the
    // end. An asynchronous sound that has ended leaves only silence here until the next stop
    // pauses the device from the UI thread.
    void fill(std::uint8_t *stream, int length)
    {
        const auto wanted = static_cast<std::size_t>(length);
        std::lock_guard lock(mutex);
        const std::size_t count = std::min(wanted, current.size() - position);
        if (count > 0)
            std::memcpy(stream, current.data() + position, count);
        std::memset(stream + count, silence, wanted - count);
        position += count;
        if (playing && position >= current.size()) {
            playing = false;
            ended.notify_all();
        }
    }
};

SdlSoundOutput::SdlSoundOutput() : mixer_(std::make_unique<Mixer>())
{
    // SDL's event subsystem, started along with audio, would otherwise catch Ctrl+C and turn
    // it into an SDL quit event that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Hanzi Kitten");
    {
        StderrSilenced quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return;
        if (!openDevice()) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return;
        }
    }
    beep_ = defaultBeep(format_);
}

SdlSoundOutput::~SdlSoundOutput()
{
    if (hasDevice())
        closeDevice();
}

// The device is closed on a thread of its own. When that takes longer than the allowance the
// game ends without it, and the mixer is left to the audio thread, which may still read it.
void SdlSoundOutput::closeDevice()
{
    stop();
    auto closed = std::make_shared<std::promise<void>>();
    std::thread([device = device_, closed] {
        SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        closed->set_value();
    }).detach();
    if (closed->get_future().wait_for(CloseAllowance) == std::future_status::timeout)
        static_cast<void>(mixer_.release());
}

// The device stays open for the whole run, and the game's sounds come in several rates,
// widths and channel counts, so the device is opened once and every sound is converted into
// its format once, in full, with SDL_ConvertAudio (which keeps exact lengths); SDL then never
// resamples on the fly. Almost every sound is recorded at 22050 Hz, so asking for that rate
// spares them resampling, which would hold up the start of a long narration noticeably.
// The hardware's own sample format and rate are accepted when it offers different ones.
bool SdlSoundOutput::openDevice()
{
    SDL_AudioSpec wanted{};
    wanted.freq = DeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = DeviceFrames;
    wanted.callback = &Mixer::feed;
    wanted.userdata = mixer_.get();
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE);
    if (device_ == 0)
        return false;
    format_ = {obtained.format, obtained.channels, obtained.freq, obtained.silence};
    mixer_->silence = obtained.silence;
    return true;
}

void SdlSoundOutput::playMemory(const QByteArray &wave, PlayMode mode)
{
    if (!hasDevice())
        return;
    Samples samples = decodeWave(wave, format_).value_or(beep_);
    const auto length = playingTime(samples, format_);
    const std::uint64_t ticket = start(std::move(samples));
    if (mode == PlayMode::Sync)
        waitForEnd(ticket, length);
}

// The file is not read at all when it is too big to be a sound the game would play.
void SdlSoundOutput::playFile(const QString &path)
{
    if (!hasDevice())
        return;
    QFile file(path);
    QByteArray wave;
    if (file.open(QIODevice::ReadOnly) && file.size() <= MaxWaveFileBytes)
        wave = file.read(MaxWaveFileBytes);
    start(decodeWaveFile(wave, format_).value_or(beep_));
}

void SdlSoundOutput::stop()
{
    if (!hasDevice())
        return;
    // Once paused, SDL no longer calls fill(). Never pause while holding the mixer's mutex:
    // the audio thread holds SDL's device lock while it waits for that mutex in fill().
    SDL_PauseAudioDevice(device_, 1);
    Samples released;
    {
        std::lock_guard lock(mixer_->mutex);
        released.swap(mixer_->current);
        mixer_->position = 0;
        mixer_->playing = false;
        ++mixer_->ticket;
    }
    mixer_->ended.notify_all();
}

// Swaps the new samples in under the lock, so the audio thread never reads a buffer that is
// being replaced; the old samples are freed after the lock is released.
std::uint64_t SdlSoundOutput::start(Samples samples)
{
    std::uint64_t ticket = 0;
    {
        std::lock_guard lock(mixer_->mutex);
        mixer_->current.swap(samples);
        mixer_->position = 0;
        mixer_->playing = true;
        ticket = ++mixer_->ticket;
    }
    mixer_->ended.notify_all();
    SDL_PauseAudioDevice(device_, 0);
    return ticket;
}

// Waits until the sound has been handed to the device in full, or until it is past its own
// length by the stall margin, in case the device stopped consuming samples. Either way the
// device is paused afterwards.
void SdlSoundOutput::waitForEnd(std::uint64_t ticket, std::chrono::milliseconds length)
{
    const auto deadline = std::chrono::steady_clock::now() + length + StallMargin;
    {
        std::unique_lock lock(mixer_->mutex);
        mixer_->ended.wait_until(lock, deadline,
                                 [&] { return !mixer_->playing || mixer_->ticket != ticket; });
    }
    stop();
}
