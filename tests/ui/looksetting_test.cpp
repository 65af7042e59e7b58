#include "tests/ui/inifile_fixture.h"
#include "ui/looksetting.h"

// The look and sound the player chose, in setting.ini: what is written comes back, and a value
// that the program never writes reads as the default of its key alone.

namespace {

struct StoredLook {
    const char* lines;
    ui::LookSetting read;
};

class LookSettingRead : public SettingsFileTest, public testing::WithParamInterface<StoredLook> {};

ui::LookSetting with(const char* theme, bool coordinates, int volume, bool muted)
{
    return {QString::fromLatin1(theme), coordinates, volume, muted};
}

} // namespace

TEST_P(LookSettingRead, TakesEachKeyOnItsOwn)
{
    put(QByteArray("[GameSetting]\r\n") + GetParam().lines);
    EXPECT_EQ(ui::readLookSetting(path), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LookSettingRead,
    testing::Values(StoredLook{"", ui::LookSetting{}},
                    StoredLook{"Theme=contrast\r\nCoordinates=0\r\nVolume=35\r\nMute=1\r\n", with("contrast", false, 35, true)},
                    StoredLook{"Theme=neon\r\nVolume=101\r\n", ui::LookSetting{}},
                    StoredLook{"Volume=-1\r\nMute=yes\r\n", ui::LookSetting{}},
                    StoredLook{"Volume=0\r\nTheme=wood\r\n", with("wood", true, 0, false)},
                    StoredLook{"Volume=abc\r\nCoordinates=\r\n", with("classic", true, 100, false)}));

TEST_F(SettingsFileTest, LookSettingComesBackAsWrittenBesideOtherKeys)
{
    put("[GameSetting]\r\nShowLegal=1\r\n");
    ui::writeLookSetting(path, with("wood", false, 40, true));
    EXPECT_EQ(ui::readLookSetting(path), with("wood", false, 40, true));
    EXPECT_TRUE(bytes().contains("ShowLegal=1\r\n"));
}
