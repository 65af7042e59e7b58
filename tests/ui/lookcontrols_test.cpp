#include "tests/ui/main_fixture.h"
#include "ui/boardtheme.h"
#include "ui/looksetting.h"
#include "ui/soundplayer.h"
#include <QAction>

// The board's theme and the sounds' mute switch as the game window shows and remembers them.

namespace {

class Looks : public MainFormTest {
protected:
    void TearDown() override
    {
        ui::SoundPlayer::instance().setVolume(100);
        MainFormTest::TearDown();
    }
    QString ini() const { return folder.path(QStringLiteral("setting.ini")); }
};

} // namespace

TEST_F(Looks, EachThemeColoursTheBoardAndIsThereAfterARestart)
{
    for (const ui::BoardTheme& theme : ui::boardThemes()) {
        ui::LookSetting setting;
        setting.theme = QLatin1String(theme.key);
        ui::writeLookSetting(ini(), setting);
        startShown(8);
        const QImage shot = board();
        EXPECT_EQ(shot.pixelColor(7 * 25 + 12, 7 * 25 + 12), theme.board) << theme.key;
        EXPECT_EQ(shot.pixelColor(7 * 25 + 24, 7 * 25 + 12), theme.line) << theme.key;
    }
}

TEST_F(Looks, MSilencesTheSoundsAndBringsThemBackAtTheirVolume)
{
    ui::LookSetting quiet;
    quiet.volume = 30;
    ui::writeLookSetting(ini(), quiet);
    create(8);
    auto* mute = control<QAction>(*form, "Mute");
    ASSERT_EQ(mute->shortcut(), QKeySequence(Qt::Key_M));
    EXPECT_EQ(ui::SoundPlayer::instance().volume(), 30);
    mute->trigger();
    EXPECT_EQ(ui::SoundPlayer::instance().volume(), 0);
    EXPECT_TRUE(ui::readLookSetting(ini()).muted);

    create(8);
    EXPECT_TRUE(control<QAction>(*form, "Mute")->isChecked());
    EXPECT_EQ(ui::SoundPlayer::instance().volume(), 0);
    control<QAction>(*form, "Mute")->trigger();
    EXPECT_EQ(ui::SoundPlayer::instance().volume(), 30);
    EXPECT_FALSE(ui::readLookSetting(ini()).muted);
}
