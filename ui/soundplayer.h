#pragma once
#include <QByteArray>
#include <QHash>
#include <cstdint>

// Plays WAV images held in memory through one SDL audio device. Only one sound of the program
// sounds at a time: starting a sound cuts the one still playing. Without any audio device the
// player is silent; it never blocks and never reports anything.
namespace ui {

class SoundPlayer {
public:
    static SoundPlayer& instance();

    // Returns at once; bytes that are not a playable wave (or none) play nothing but still cut.
    void play(const QByteArray& wav);

    // For tests: sounds started, sounds cut while still queued, the device, bytes still queued.
    int startedCount() const { return started_; }
    int cutCount() const { return cut_; }
    bool deviceOpen() const { return device_ != 0; }
    std::uint32_t queuedBytes() const;

    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

private:
    SoundPlayer() = default;
    ~SoundPlayer();
    bool ensureDevice();
    void cutPlaying();
    const QByteArray& converted(const QByteArray& wav);

    bool tried_ = false;
    std::uint32_t device_ = 0;
    int started_ = 0;
    int cut_ = 0;
    QHash<QByteArray, QByteArray> cache_; // source wave -> samples in the device's format
};

} // namespace ui
