#include "boot_fixture.h"
#include "tests/support/namedcase.h"
#include "ui/lobbysettings.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringEncoder>

namespace {

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

class StartupTest : public LobbyTest {
protected:
    void putSettings(const QString& text)
    {
        ASSERT_TRUE(folder.writeFile(QStringLiteral("setting.ini"), QStringEncoder("CP932").encode(text)));
    }
};

TEST_F(StartupTest, FirstStartLoadsTheJoinSound)
{
    putJoinSound();
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_FALSE(lobby->settingsPath().isEmpty());
    QFile sound(folder.path(QStringLiteral("snd/kako.wav")));
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    EXPECT_EQ(lobby->joinSound, sound.readAll());
}

// A settings file as the lobby finds it at start, and what its boxes then show.
struct SavedSettings : NamedCase {
    const char* file; // none at all when null
    const char* boxName;
    const char* boxPort;
    const char* boxIp;
    QStringList ipList;
};
class SettingsAtStart : public StartupTest, public testing::WithParamInterface<SavedSettings> {};

TEST_P(SettingsAtStart, FillTheBoxesAndWriteNothing)
{
    const SavedSettings& c = GetParam();
    putJoinSound();
    const QByteArray bytes = QStringEncoder("CP932").encode(QString::fromUtf8(c.file));
    if (c.file) {
        ASSERT_TRUE(folder.writeFile(QStringLiteral("setting.ini"), bytes));
    }
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(control<QLineEdit>("BoxName")->text(), QString::fromUtf8(c.boxName));
    EXPECT_EQ(control<QLineEdit>("BoxPort")->text(), QLatin1String(c.boxPort));
    EXPECT_EQ(control<QComboBox>("BoxIP")->currentText(), QLatin1String(c.boxIp));
    EXPECT_EQ(items(control<QComboBox>("BoxIP")), c.ipList);
    QFile file(folder.path(QStringLiteral("setting.ini")));
    EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("no file"), c.file ? bytes : "no file");
}

INSTANTIATE_TEST_SUITE_P(, SettingsAtStart, testing::Values(
    SavedSettings{{"NoFileGivesTheDefaultsAndCreatesNone"}, nullptr, "YourName", "18389", "", {}},
    SavedSettings{{"SavedAddressStandsApartFromTheListWhichKeepsFileOrderEqualsAndEmptyItems"},
                  "[RobbySetting]\r\nName=山田　太郎\r\nPort=20000\r\nIP=10.0.0.7\r\n"
                  "[IPLIST]\r\n1=host=x\r\n0=192.168.0.2\r\n2=\r\n",
                  "山田　太郎", "20000", "10.0.0.7", {"host=x", "192.168.0.2", ""}},
    SavedSettings{{"EmptySavedAddressIsNotReplacedByTheFirstListItem"}, "[IPLIST]\r\n0=192.168.0.2\r\n", "YourName",
                  "18389", "", {"192.168.0.2"}},
    SavedSettings{{"KeysInAnyCaseAndMissingOnesKeepTheirDefaults"}, "[robbysetting]\r\nip=1.2.3.4\r\n", "YourName",
                  "18389", "1.2.3.4", {}}),
    byName);

TEST_F(StartupTest, MissingJoinSoundStopsBeforeTheSettingsAreRead)
{
    putSettings(QStringLiteral("[RobbySetting]\r\nName=山田\r\nPort=20000\r\nIP=10.0.0.7\r\n[IPLIST]\r\n0=a\r\n"));
    start();
    const QString path = folder.path(QStringLiteral("snd/kako.wav"));
    EXPECT_EQ(errors, QStringList{QStringLiteral("ファイル ") + path + QStringLiteral(" は開けません.")});
    EXPECT_TRUE(lobby->settingsPath().isEmpty());
    EXPECT_EQ(control<QLineEdit>("BoxName")->text(), QStringLiteral("YourName"));
    EXPECT_EQ(control<QLineEdit>("BoxPort")->text(), QStringLiteral("18389"));
    EXPECT_TRUE(control<QComboBox>("BoxIP")->currentText().isEmpty());
    EXPECT_EQ(control<QComboBox>("BoxIP")->count(), 0);
    // The window is complete and its handlers work.
    control<ui::TExtTrackBar>("TableSize")->setPosition(10);
    EXPECT_EQ(control<QLabel>("LSize")->text(), QStringLiteral("盤のサイズ：10"));
}

} // namespace
