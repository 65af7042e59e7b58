#include "tests/ui/inifile_fixture.h"
#include "ui/windowsizesetting.h"

// The game window's size in setting.ini: what is written comes back, and what no screen could
// show reads as no size at all.

namespace {

struct Stored {
    const char* line;
    QSize size;
};

class WindowSizeRead : public SettingsFileTest, public testing::WithParamInterface<Stored> {};

} // namespace

TEST_P(WindowSizeRead, TakesOnlyTwoPositiveSides)
{
    put(QByteArray("[GameSetting]\r\nWindowSize=") + GetParam().line + "\r\n");
    EXPECT_EQ(ui::readWindowSize(path), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Lines, WindowSizeRead,
                         testing::Values(Stored{"800,600", QSize(800, 600)}, Stored{"800", QSize()},
                                         Stored{"800,600,1", QSize()}, Stored{"-800,600", QSize()},
                                         Stored{"0,600", QSize()}, Stored{"99999999,600", QSize()},
                                         Stored{"a,b", QSize()}, Stored{"", QSize()}));

TEST_F(SettingsFileTest, WindowSizeComesBackAsWritten)
{
    EXPECT_FALSE(ui::readWindowSize(path).isValid());
    ui::writeWindowSize(path, QSize(1024, 768));
    EXPECT_EQ(ui::readWindowSize(path), QSize(1024, 768));
}
