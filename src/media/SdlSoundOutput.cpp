#include "SdlSoundOutput.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <SDL.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numbers>

namespace {

using namespace std::chrono_literals;

// How long past its own length a synchronous sound may hold the caller when the device
// stops consuming samples.
constexpr auto StallMargin = 250ms;

// Almost every sound of the game is recorded at this rate; 512 frames make callbacks of
// about 23 ms, so a stop or a new sound is heard at once.
constexpr int DeviceRate = 22050;
constexpr Uint16 DeviceFrames = 512;

constexpr int BeepRate = 22050;
constexpr double BeepSeconds = 0.15;
constexpr double BeepHertz = 660.0;
constexpr double BeepVolume = 0.2;

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

SdlSoundOutput::SdlSoundOutput()
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
    beep_ = defaultBeep();
}

SdlSoundOutput::~SdlSoundOutput()
{
    if (!hasDevice())
        return;
    // Closing waits for the audio thread, so fill() never runs on a destroyed object.
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
    wanted.callback = &SdlSoundOutput::feed;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE);
    if (device_ == 0)
        return false;
    deviceFormat_ = obtained.format;
    deviceChannels_ = obtained.channels;
    deviceRate_ = obtained.freq;
    silence_ = obtained.silence;
    return true;
}

void SdlSoundOutput::playMemory(const QByteArray &wave, PlayMode mode)
{
    if (!hasDevice())
        return;
    Samples samples = decode(wave).value_or(beep_);
    const auto length = duration(samples);
    const std::uint64_t ticket = start(std::move(samples));
    if (mode == PlayMode::Sync)
        waitForEnd(ticket, length);
}

void SdlSoundOutput::playFile(const QString &path)
{
    if (!hasDevice())
        return;
    QFile file(path);
    const QByteArray wave = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    start(decode(wave).value_or(beep_));
}

void SdlSoundOutput::stop()
{
    if (!hasDevice())
        return;
    // Once paused, SDL no longer calls fill(). Never pause while holding mutex_: the audio
    // thread holds SDL's device lock while it waits for mutex_ in fill().
    SDL_PauseAudioDevice(device_, 1);
    Samples released;
    {
        std::lock_guard lock(mutex_);
        released.swap(current_);
        position_ = 0;
        playing_ = false;
        ++ticket_;
    }
    ended_.notify_all();
}

// Swaps the new samples in under the lock, so the audio thread never reads a buffer that is
// being replaced; the old samples are freed after the lock is released.
std::uint64_t SdlSoundOutput::start(Samples samples)
{
    std::uint64_t ticket = 0;
    {
        std::lock_guard lock(mutex_);
        current_.swap(samples);
        position_ = 0;
        playing_ = true;
        ticket = ++ticket_;
    }
    ended_.notify_all();
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
        std::unique_lock lock(mutex_);
        ended_.wait_until(lock, deadline, [&] { return !playing_ || ticket_ != ticket; });
    }
    stop();
}

void SdlSoundOutput::feed(void *self, std::uint8_t *stream, int length)
{
    static_cast<SdlSoundOutput *>(self)->fill(stream, length);
}

// Runs on SDL's audio thread: copies the next samples and pads with silence after the end.
// An asynchronous sound that has ended leaves only silence here until the next stop pauses the
// device from the UI thread.
void SdlSoundOutput::fill(std::uint8_t *stream, int length)
{
    const auto wanted = static_cast<std::size_t>(length);
    std::lock_guard lock(mutex_);
    const std::size_t count = std::min(wanted, current_.size() - position_);
    if (count > 0)
        std::memcpy(stream, current_.data() + position_, count);
    std::memset(stream + count, silence_, wanted - count);
    position_ += count;
    if (playing_ && position_ >= current_.size()) {
        playing_ = false;
        ended_.notify_all();
    }
}

std::optional<SdlSoundOutput::Samples> SdlSoundOutput::decode(const QByteArray &wave) const
{
    if (wave.isEmpty() || wave.size() > std::numeric_limits<int>::max())
        return std::nullopt;
    SDL_RWops *source = SDL_RWFromConstMem(wave.constData(), static_cast<int>(wave.size()));
    if (!source)
        return std::nullopt;
    SDL_AudioSpec format{};
    Uint8 *data = nullptr;
    Uint32 size = 0;
    // SDL_LoadWAV_RW reads PCM and IMA ADPCM and closes the source itself.
    if (!SDL_LoadWAV_RW(source, 1, &format, &data, &size))
        return std::nullopt;
    auto samples = toDeviceFormat(format, data, size);
    SDL_FreeWAV(data);
    return samples;
}

std::optional<SdlSoundOutput::Samples> SdlSoundOutput::toDeviceFormat(const SDL_AudioSpec &source,
                                                                      const std::uint8_t *data,
                                                                      std::uint32_t size) const
{
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, deviceFormat_,
                          deviceChannels_, deviceRate_) < 0)
        return std::nullopt;
    const std::uint32_t frame = SDL_AUDIO_BITSIZE(source.format) / 8 * source.channels;
    size -= size % frame;
    if (size == 0 || !cvt.needed)
        return Samples(data, data + size);
    Samples samples(static_cast<std::size_t>(size) * static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(samples.data(), data, size);
    cvt.buf = samples.data();
    cvt.len = static_cast<int>(size);
    if (SDL_ConvertAudio(&cvt) < 0)
        return std::nullopt;
    samples.resize(static_cast<std::size_t>(cvt.len_cvt));
    return samples;
}

// A soft 0.15 s tone that swells and fades, standing in for sounds that cannot be played.
SdlSoundOutput::Samples SdlSoundOutput::defaultBeep() const
{
    const int count = static_cast<int>(BeepRate * BeepSeconds);
    std::vector<Sint16> tone(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / BeepRate;
        const double envelope = std::sin(std::numbers::pi * i / count);
        const double value =
            BeepVolume * envelope * envelope * std::sin(2 * std::numbers::pi * BeepHertz * t);
        tone[static_cast<std::size_t>(i)] = static_cast<Sint16>(value * 32767);
    }
    SDL_AudioSpec format{};
    format.freq = BeepRate;
    format.format = AUDIO_S16SYS;
    format.channels = 1;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(tone.data());
    return toDeviceFormat(format, bytes, static_cast<std::uint32_t>(tone.size() * sizeof(Sint16)))
        .value_or(Samples());
}

std::chrono::milliseconds SdlSoundOutput::duration(const Samples &samples) const
{
    const double bytesPerSecond =
        static_cast<double>(deviceRate_) * deviceChannels_ * (SDL_AUDIO_BITSIZE(deviceFormat_) / 8);
    const std::chrono::duration<double> seconds(static_cast<double>(samples.size()) /
                                                bytesPerSecond);
    return std::chrono::round<std::chrono::milliseconds>(seconds);
}
