#include "ui/soundplayer.h"
#include "ui/sdlaudio.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace ui {

namespace {

// Every wave is converted to this one format; SDL adapts it to whatever the device wants.
constexpr int deviceRate = 22050;
constexpr SDL_AudioFormat deviceFormat = AUDIO_S16SYS;
constexpr Uint8 deviceChannels = 1;
constexpr int deviceBytesPerSecond = deviceRate * deviceChannels * 2;
constexpr Uint16 deviceBufferFrames = 512; // about 23 ms: a new sound cuts in quickly
constexpr qsizetype maxCached = 16;        // the program has five sounds

// The wave's samples in the device's format; empty when the bytes are not a playable wave.
QByteArray decode(const SdlAudio& sdl, const QByteArray& wav)
{
    if (wav.isEmpty() || wav.size() > INT_MAX)
        return {};
    SDL_RWops* source = sdl.RWFromConstMem(wav.constData(), int(wav.size()));
    SDL_AudioSpec sourceFormat;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!source || !sdl.LoadWAV_RW(source, 1, &sourceFormat, &samples, &length))
        return {};
    SDL_AudioCVT cvt;
    QByteArray result;
    const int built = sdl.BuildAudioCVT(&cvt, sourceFormat.format, sourceFormat.channels, sourceFormat.freq,
                                        deviceFormat, deviceChannels, deviceRate);
    if (built == 0) {
        result = QByteArray(reinterpret_cast<const char*>(samples), qsizetype(length));
    } else if (built > 0) {
        cvt.len = int(length);
        result.resize(qsizetype(length) * cvt.len_mult);
        std::memcpy(result.data(), samples, length);
        cvt.buf = reinterpret_cast<Uint8*>(result.data());
        result.resize(sdl.ConvertAudio(&cvt) == 0 ? cvt.len_cvt : 0);
    }
    sdl.FreeWAV(samples);
    return result;
}

} // namespace

QByteArray atVolume(QByteArray samples, int percent)
{
    auto* sample = reinterpret_cast<Sint16*>(samples.data());
    for (qsizetype i = 0; i < samples.size() / 2; ++i)
        sample[i] = Sint16(sample[i] * percent / 100);
    return samples;
}

SoundPlayer& SoundPlayer::instance()
{
    static SoundPlayer player;
    return player;
}

SoundPlayer::SoundPlayer()
{
    closer_.setSingleShot(true);
    QObject::connect(&closer_, &QTimer::timeout, [this] { closeIfPlayed(); });
}

SoundPlayer::~SoundPlayer()
{
    closeDevice();
}

void SoundPlayer::play(const QByteArray& wav)
{
    if (silent_ || !ensureDevice())
        return;
    cutPlaying();
    const QByteArray samples = volume_ < 100 ? atVolume(converted(wav), volume_) : converted(wav);
    if (volume_ > 0 && !samples.isEmpty() &&
        sdlAudio()->QueueAudio(device_, samples.constData(), Uint32(samples.size())) == 0)
        ++started_;
    closeWhenPlayed();
}

void SoundPlayer::setVolume(int percent)
{
    volume_ = std::clamp(percent, 0, 100);
}

std::uint32_t SoundPlayer::queuedBytes() const
{
    return device_ == 0 ? 0 : sdlAudio()->GetQueuedAudioSize(device_);
}

bool SoundPlayer::ensureDevice()
{
    if (device_ != 0 || failed_)
        return device_ != 0;
    const SdlAudio* sdl = sdlAudio();
    failed_ = true;
    if (!sdl)
        return false;
    // SDL would otherwise take SIGINT and SIGTERM away from the program.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = deviceRate;
    wanted.format = deviceFormat;
    wanted.channels = deviceChannels;
    wanted.samples = deviceBufferFrames;
    device_ = sdl->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sdl->PauseAudioDevice(device_, 0);
    failed_ = false;
    return true;
}

// An open device runs a thread that wakes every buffer, even paused: only closing stops it.
void SoundPlayer::closeDevice()
{
    if (device_ == 0)
        return;
    closer_.stop();
    sdlAudio()->CloseAudioDevice(device_);
    sdlAudio()->QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
}

// Closes the device a while after its queue has played out.
void SoundPlayer::closeWhenPlayed()
{
    closer_.start(int(queuedBytes() * 1000ull / deviceBytesPerSecond) + IdleCloseMs);
}

void SoundPlayer::closeIfPlayed()
{
    if (queuedBytes() > 0) // the device plays slower than the clock runs
        closeWhenPlayed();
    else
        closeDevice();
}

void SoundPlayer::cutPlaying()
{
    if (sdlAudio()->GetQueuedAudioSize(device_) > 0)
        ++cut_;
    sdlAudio()->ClearQueuedAudio(device_);
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
    return *cache_.insert(key, decode(*sdlAudio(), wav));
}

} // namespace ui
