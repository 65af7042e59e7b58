#include "tests/ui/main_fixture.h"
#include <QFileInfo>
#include <QLabel>

// Start-up loading of the game window's pictures and sounds, and what a failure leaves.

namespace {

using ui::Sound;

struct Breakage {
    const char* file;
    bool garbage; // present but not a bitmap; otherwise missing
    int soundsLoaded;
    int imagesLoaded;
    int lampsLoaded;
};

void PrintTo(const Breakage& b, std::ostream* out) { *out << b.file << (b.garbage ? " spoilt" : " missing"); }

class LoadingStops : public MainFormTest, public testing::WithParamInterface<Breakage> {};

int soundsLoaded(const ui::Tmainform& form)
{
    int n = 0;
    for (Sound s : {Sound::Put, Sound::Buzz, Sound::Flip, Sound::Rotate})
        n += form.sound(s).isEmpty() ? 0 : 1;
    return n;
}

// Loading goes in order, so what was loaded must be a prefix of the list.
int imagesLoaded(const ui::Tmainform& form)
{
    int n = 0;
    while (n < 10 && !form.image(n).isNull())
        ++n;
    for (int i = n; i < 10; ++i)
        EXPECT_TRUE(form.image(i).isNull()) << i;
    return n;
}

} // namespace

TEST_P(LoadingStops, AtTheFirstBadFileAndKeepsWhatCameBefore)
{
    const Breakage b = GetParam();
    const QString file = QString::fromLatin1(b.file);
    if (b.garbage)
        ASSERT_TRUE(folder.writeFile(file, QByteArray(100, 'x')));
    else
        ASSERT_TRUE(QFile::remove(folder.path(file)));

    create(8);
    const QString expected = b.garbage ? QStringLiteral("ビットマップイメージが不正です.")
                                       : QStringLiteral("ファイル %1 は開けません.").arg(folder.path(file));
    EXPECT_EQ(errors, QStringList{expected});
    EXPECT_EQ(soundsLoaded(*form), b.soundsLoaded);
    EXPECT_EQ(imagesLoaded(*form), b.imagesLoaded);
    EXPECT_EQ(int(!form->lamp(false).isNull()) + int(!form->lamp(true).isNull()), b.lampsLoaded);
    newGame(); // lamps without pictures show nothing
    EXPECT_EQ(control<QLabel>(*form, "Light1")->pixmap().isNull(), b.lampsLoaded < 2);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadingStops,
                         testing::Values(Breakage{"img/koma_red.bmp", false, 4, 5, 0},
                                         Breakage{"snd/put.wav", false, 0, 0, 0},
                                         Breakage{"snd/rotate.wav", false, 3, 0, 0},
                                         Breakage{"img/old.bmp", true, 4, 9, 0},
                                         Breakage{"img/light1.bmp", false, 4, 10, 1}),
                         [](const auto& info) {
                             const QString file = QFileInfo(QLatin1String(info.param.file)).completeBaseName();
                             return file.toStdString() + (info.param.garbage ? "Spoilt" : "Missing");
                         });

TEST_F(MainFormTest, EverythingLoadsAndOnlyTheCursorIsOpaque)
{
    create(8);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    EXPECT_EQ(soundsLoaded(*form), 4);
    EXPECT_EQ(form->sound(Sound::Flip), QByteArray("RIFFchange"));
    EXPECT_EQ(imagesLoaded(*form), 10);
    EXPECT_FALSE(form->image(0).hasAlphaChannel());
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(form->image(i).toImage().pixelColor(0, 23).alpha(), 0) << i;
}

TEST_F(MainFormTest, WithoutTheFirstSoundTheBoardShowsOnlyColourAndGrid)
{
    ASSERT_TRUE(QFile::remove(folder.path(QStringLiteral("snd/put.wav"))));
    startShown(8);
    const QImage shot = board();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const bool line = x % 25 == 24 || y % 25 == 24;
            ASSERT_EQ(shot.pixelColor(x, y), line ? ui::BoardGrid::LineColour : ui::BoardGrid::BoardColour) << x << "," << y;
        }
}
