#include "ui/soundplayer.h"

#include <SDL.h>

#include <climits>
#include <cstring>

namespace ui {

namespace {

// Every wave is converted to this one format; SDL adapts it to whatever the device wants.
constexpr int deviceRate = 22050;
constexpr SDL_AudioFormat deviceFormat = AUDIO_S16SYS;
constexpr Uint8 deviceChannels = 1;
constexpr Uint16 deviceBufferFrames = 512; // about 23 ms: a new sound cuts in quickly
constexpr qsizetype maxCached = 16;        // the program has five sounds

// The wave's samples in the device's format; empty when the bytes are not a playable wave.
QByteArray decode(const QByteArray& wav)
{
    if (wav.isEmpty() || wav.size() > INT_MAX)
        return {};
    SDL_RWops* source = SDL_RWFromConstMem(wav.constData(), int(wav.size()));
    SDL_AudioSpec sourceFormat;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!source || !SDL_LoadWAV_RW(source, 1, &sourceFormat, &samples, &length))
        return {};
    SDL_AudioCVT cvt;
    QByteArray result;
    const int built = SDL_BuildAudioCVT(&cvt, sourceFormat.format, sourceFormat.channels, sourceFormat.freq,
                                        deviceFormat, deviceChannels, deviceRate);
    if (built == 0) {
        result = QByteArray(reinterpret_cast<const char*>(samples), qsizetype(length));
    } else if (built > 0) {
        cvt.len = int(length);
        result.resize(qsizetype(length) * cvt.len_mult);
        std::memcpy(result.data(), samples, length);
        cvt.buf = reinterpret_cast<Uint8*>(result.data());
        result.resize(SDL_ConvertAudio(&cvt) == 0 ? cvt.len_cvt : 0);
    }
    SDL_FreeWAV(samples);
    return result;
}

} // namespace

SoundPlayer& SoundPlayer::instance()
{
    static SoundPlayer player;
    return player;
}

SoundPlayer::~SoundPlayer()
{
    if (device_ == 0)
        return;
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundPlayer::play(const QByteArray& wav)
{
    if (!ensureDevice())
        return;
    cutPlaying();
    const QByteArray& samples = converted(wav);
    if (samples.isEmpty() || SDL_QueueAudio(device_, samples.constData(), Uint32(samples.size())) != 0)
        return;
    ++started_;
}

std::uint32_t SoundPlayer::queuedBytes() const
{
    return device_ == 0 ? 0 : SDL_GetQueuedAudioSize(device_);
}

// Tried once: a machine without sound stays silent instead of retrying on every play.
bool SoundPlayer::ensureDevice()
{
    if (tried_)
        return device_ != 0;
    tried_ = true;
    // SDL would otherwise take SIGINT and SIGTERM away from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted;
    SDL_zero(wanted);
    wanted.freq = deviceRate;
    wanted.format = deviceFormat;
    wanted.channels = deviceChannels;
    wanted.samples = deviceBufferFrames;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SoundPlayer::cutPlaying()
{
    if (SDL_GetQueuedAudioSize(device_) > 0)
        ++cut_;
    SDL_ClearQueuedAudio(device_);
}

const QByteArray& SoundPlayer::converted(const QByteArray& wav)
{
    const auto found = cache_.constFind(wav);
    if (found != cache_.constEnd())
        return *found;
    if (cache_.size() >= maxCached)
        cache_.clear();
    // A deep copy: the caller's bytes may be raw data that does not outlive this call.
    const QByteArray key(wav.constData(), wav.size());
    return *cache_.insert(key, decode(wav));
}

} // namespace ui
