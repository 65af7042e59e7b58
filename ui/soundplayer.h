#pragma once
#include <QByteArray>
#include <QHash>
#include <QTimer>
#include <cstdint>

// Plays WAV images held in memory through one SDL audio device. Only one sound of the program
// sounds at a time: starting a sound cuts the one still playing. The device is opened for the
// first sound and closed a while after the last one has played, so that an idle program has
// no audio thread waking up. Without SDL or any audio device the player is silent; it never
// blocks and never reports anything.
namespace ui {

// 16-bit samples at percent of their loudness.
QByteArray atVolume(QByteArray samples, int percent);

class SoundPlayer {
public:
    // How long the device stays open after its queue has played out, for the next sound.
    static constexpr int IdleCloseMs = 2000;

    static SoundPlayer& instance();

    // Returns at once; bytes that are not a playable wave (or none) play nothing but still cut.
    void play(const QByteArray& wav);
    // The player's switch: while silent, nothing plays and nothing is cut.
    void setSilent(bool silent) { silent_ = silent; }
    // Every sound plays at that share of its loudness, 0 to 100; at 0 a sound only cuts.
    void setVolume(int percent);
    int volume() const { return volume_; }

    // For tests: sounds started, sounds cut while still queued, the device, bytes still queued.
    int startedCount() const { return started_; }
    int cutCount() const { return cut_; }
    bool deviceOpen() const { return device_ != 0; }
    std::uint32_t queuedBytes() const;

    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

private:
    SoundPlayer();
    ~SoundPlayer();
    bool ensureDevice();
    void closeDevice();
    void closeWhenPlayed();
    void closeIfPlayed();
    void cutPlaying();
    const QByteArray& converted(const QByteArray& wav);

    bool silent_ = false;
    bool failed_ = false; // no SDL, or no device: stay silent instead of retrying every time
    std::uint32_t device_ = 0;
    int volume_ = 100;
    int started_ = 0;
    int cut_ = 0;
    QTimer closer_;
    QHash<QByteArray, QByteArray> cache_; // source wave -> samples in the device's format
};

} // namespace ui
