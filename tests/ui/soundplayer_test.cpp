#include "ui/soundplayer.h"

#include "ui/assetfile.h"
#include "tests/support/programfolder.h"
#include "ui/sdlaudio.h"

#include <QElapsedTimer>
#include <QDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// A sine tone as a PCM wave image; 8-bit samples are unsigned, 16-bit ones signed.
QByteArray toneWave(double seconds, int rate = 22050, int channels = 1, int bits = 16)
{
    const int frames = int(seconds * rate);
    const int blockAlign = channels * bits / 8;
    QByteArray wave;
    const auto put = [&wave](quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            wave.append(char((value >> (8 * i)) & 0xFF));
    };
    wave.append("RIFF");
    put(36 + frames * blockAlign, 4);
    wave.append("WAVEfmt ");
    put(16, 4);
    put(1, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * blockAlign, 4);
    put(blockAlign, 2);
    put(bits, 2);
    wave.append("data");
    put(frames * blockAlign, 4);
    for (int i = 0; i < frames * channels; ++i) {
        const double value = 0.3 * std::sin(2 * std::numbers::pi * 440 * (i / channels) / rate);
        put(bits == 8 ? quint32(128 + std::lround(value * 127)) : quint32(qint16(std::lround(value * 32767))), bits / 8);
    }
    return wave;
}

constexpr std::uint32_t deviceBytesPerSecond = 22050 * 2; // 16-bit mono at 22050 Hz

ui::SoundPlayer& player()
{
    return ui::SoundPlayer::instance();
}

TEST(SoundPlayer, PlayingAWaveOpensTheDeviceAndQueuesItConverted)
{
    const int started = player().startedCount();
    player().play(toneWave(1.0, 11025, 2, 8));
    ASSERT_TRUE(player().deviceOpen());
    EXPECT_EQ(player().startedCount(), started + 1);
    // One second in the device's format, less whatever the device has taken already.
    EXPECT_LE(player().queuedBytes(), deviceBytesPerSecond + 4);
    EXPECT_GT(player().queuedBytes(), deviceBytesPerSecond / 2);
}

TEST(SoundPlayer, ANewSoundCutsTheOnePlaying)
{
    player().play(toneWave(2.0));
    const int cut = player().cutCount();
    const int started = player().startedCount();
    player().play(toneWave(0.05));
    EXPECT_EQ(player().cutCount(), cut + 1);
    EXPECT_EQ(player().startedCount(), started + 1);
    EXPECT_LE(player().queuedBytes(), std::uint32_t(0.05 * deviceBytesPerSecond) + 4);
}

TEST(SoundPlayer, BytesThatAreNoPlayableWaveAreSilentButStillCut)
{
    QByteArray unknownEncoding = toneWave(0.2);
    unknownEncoding[20] = char(0x34); // format tag 0x1234
    unknownEncoding[21] = char(0x12);
    QByteArray noChannels = toneWave(0.2);
    noChannels[22] = 0;
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", "not a sound at all"},
        {"header cut short", toneWave(0.2).left(30)},
        {"unknown encoding", unknownEncoding},
        {"no channels", noChannels},
        {"bitmap", "BM\x36\0\0\0\0\0\0\0\x36\0\0\0"},
    };
    for (const auto& c : cases) {
        player().play(toneWave(2.0));
        const int cut = player().cutCount();
        const int started = player().startedCount();
        player().play(c.bytes);
        EXPECT_EQ(player().cutCount(), cut + 1) << c.what;
        EXPECT_EQ(player().startedCount(), started) << c.what;
        EXPECT_EQ(player().queuedBytes(), 0u) << c.what;
    }
}

TEST(SoundPlayer, PlayingTheSameBytesAgainStartsThemAfresh)
{
    const QByteArray wave = toneWave(1.0);
    player().play(wave);
    player().play(wave);
    EXPECT_GT(player().queuedBytes(), deviceBytesPerSecond / 2);
    EXPECT_LE(player().queuedBytes(), deviceBytesPerSecond + 4);
}

TEST(SoundPlayer, PlayReturnsWithoutWaitingForTheSound)
{
    const QByteArray wave = toneWave(3.0);
    player().play(toneWave(0.01)); // the device is open before the clock starts
    QElapsedTimer clock;
    clock.start();
    player().play(wave);
    EXPECT_LT(clock.elapsed(), 1000);
}

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// An open device wakes its thread every buffer even while silent; an idle program must not.
TEST(SoundPlayer, DeviceClosesAWhileAfterTheSoundHasPlayedAndOpensForTheNext)
{
    player().play(toneWave(0.05));
    ASSERT_TRUE(player().deviceOpen());
    const int threadsWhilePlaying = threadCount();
    QTest::qWait(ui::SoundPlayer::IdleCloseMs / 2);
    EXPECT_TRUE(player().deviceOpen()); // kept for a next sound soon after
    EXPECT_TRUE(QTest::qWaitFor([] { return !player().deviceOpen(); }, 3 * ui::SoundPlayer::IdleCloseMs));
    EXPECT_LT(threadCount(), threadsWhilePlaying);

    const int started = player().startedCount();
    player().play(toneWave(0.2));
    EXPECT_TRUE(player().deviceOpen());
    EXPECT_EQ(player().startedCount(), started + 1);
    EXPECT_GT(player().queuedBytes(), 0u);
}

TEST(SoundPlayer, ALongSoundKeepsTheDeviceOpenUntilItHasPlayed)
{
    player().play(toneWave(0.05));
    player().play(toneWave(double(ui::SoundPlayer::IdleCloseMs) / 1000 + 0.5));
    QTest::qWait(ui::SoundPlayer::IdleCloseMs + 200);
    EXPECT_TRUE(player().deviceOpen());
    EXPECT_GT(player().queuedBytes(), 0u);
}

TEST(SdlAudio, ALibraryThatIsMissingOrNotSdlGivesNoFunctions)
{
    EXPECT_FALSE(ui::loadSdlAudio("no-such-library-anywhere"));
    EXPECT_FALSE(ui::loadSdlAudio("Qt6Core")); // loads, but has none of SDL's functions
    EXPECT_TRUE(ui::loadSdlAudio("SDL2-2.0"));
}

// Runs in a fresh process (SDL picks its driver once), where no audio driver can be found.
TEST(SoundPlayerDeathTest, WithoutAnyAudioDeviceEverySoundIsSilent)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            player().play(toneWave(0.5));
            player().play(toneWave(0.5));
            std::exit(!player().deviceOpen() && player().startedCount() == 0 && player().queuedBytes() == 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// The shipped sounds, loaded the way the windows load them.
class ShippedWaveTest : public ::testing::TestWithParam<const char*> {};

struct DecodedWave {
    SDL_AudioSpec format{};
    std::vector<qint16> samples;
};

DecodedWave decode(const QByteArray& bytes)
{
    DecodedWave wave;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    const ui::SdlAudio* sdl = ui::sdlAudio();
    if (!sdl || !sdl->LoadWAV_RW(sdl->RWFromConstMem(bytes.constData(), int(bytes.size())), 1, &wave.format, &buffer,
                                 &length))
        return wave;
    for (Uint32 i = 0; i + 1 < length; i += 2)
        wave.samples.push_back(qFromLittleEndian<qint16>(buffer + i));
    sdl->FreeWAV(buffer);
    return wave;
}

QByteArray shippedSound(const char* file)
{
    return ui::readWhole(ProgramFolder::shipped(QStringLiteral("snd/") + QLatin1String(file)));
}

TEST_P(ShippedWaveTest, IsMono16BitAt22050AndStartsAndEndsInSilence)
{
    const DecodedWave wave = decode(shippedSound(GetParam()));
    ASSERT_FALSE(wave.samples.empty());
    EXPECT_EQ(wave.format.freq, 22050);
    EXPECT_EQ(wave.format.format, AUDIO_S16LSB);
    EXPECT_EQ(wave.format.channels, 1);
    // A sample far from zero at either end would click.
    EXPECT_LT(std::abs(wave.samples.front()), 300);
    EXPECT_LT(std::abs(wave.samples.back()), 300);
}

INSTANTIATE_TEST_SUITE_P(All, ShippedWaveTest,
                         ::testing::Values("kako.wav", "put.wav", "buz.wav", "change.wav", "rotate.wav"),
                         [](const auto& info) { return QString(info.param).section('.', 0, 0).toStdString(); });

// Captured faces follow each other 100 ms apart; a longer flip would always be cut off.
TEST(ShippedWaves, FlipSoundIsShorterThanTheCapturePause)
{
    const DecodedWave flip = decode(shippedSound("change.wav"));
    ASSERT_FALSE(flip.samples.empty());
    EXPECT_LT(flip.samples.size() * 1000 / 22050, 100u);
}

} // namespace

TEST(SoundPlayer, VolumeScalesEverySampleAndSilenceQueuesNothing)
{
    const qint16 loud[] = {32767, -32768, 1000, -3};
    const QByteArray samples(reinterpret_cast<const char*>(loud), sizeof loud);
    const QByteArray half = ui::atVolume(samples, 50);
    const auto* scaled = reinterpret_cast<const qint16*>(half.constData());
    EXPECT_EQ(std::vector<qint16>(scaled, scaled + 4), (std::vector<qint16>{16383, -16384, 500, -1}));

    player().setVolume(0);
    const int started = player().startedCount();
    player().play(toneWave(0.1));
    EXPECT_EQ(player().startedCount(), started);
    player().setVolume(100);
}

