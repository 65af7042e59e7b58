#include "boot_fixture.h"
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

    const QString saved = QStringLiteral("[RobbySetting]\r\nName=山田\r\nPort=20000\r\nIP=10.0.0.7\r\n"
                                         "[IPLIST]\r\n1=host=x\r\n0=192.168.0.2\r\n2=\r\n");
};

TEST_F(StartupTest, FirstStartShowsTheDefaultsAndCreatesNoFile)
{
    putJoinSound();
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(lobby->BoxName->text(), QStringLiteral("YourName"));
    EXPECT_EQ(lobby->BoxPort->text(), QStringLiteral("18389"));
    EXPECT_TRUE(lobby->BoxIP->currentText().isEmpty());
    EXPECT_EQ(lobby->BoxIP->count(), 0);
    EXPECT_NE(lobby->settings, nullptr);
    QFile sound(folder.path(QStringLiteral("snd/kako.wav")));
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    EXPECT_EQ(lobby->joinSound, sound.readAll());
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("setting.ini"))));
}

TEST_F(StartupTest, SavedAddressStandsApartFromTheListWhichKeepsFileOrder)
{
    putJoinSound();
    putSettings(saved);
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(lobby->BoxName->text(), QStringLiteral("山田"));
    EXPECT_EQ(lobby->BoxPort->text(), QStringLiteral("20000"));
    EXPECT_EQ(lobby->BoxIP->currentText(), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(items(lobby->BoxIP), (QStringList{QStringLiteral("host=x"), QStringLiteral("192.168.0.2"), QString()}));
}

TEST_F(StartupTest, EmptySavedAddressIsNotReplacedByTheFirstListItem)
{
    putJoinSound();
    putSettings(QStringLiteral("[IPLIST]\r\n0=192.168.0.2\r\n"));
    start();
    EXPECT_TRUE(lobby->BoxIP->currentText().isEmpty());
    EXPECT_EQ(items(lobby->BoxIP), QStringList{QStringLiteral("192.168.0.2")});
}

TEST_F(StartupTest, MissingJoinSoundStopsBeforeTheSettingsAreRead)
{
    putSettings(saved);
    start();
    const QString path = folder.path(QStringLiteral("snd/kako.wav"));
    EXPECT_EQ(errors, QStringList{QStringLiteral("ファイル ") + path + QStringLiteral(" は開けません.")});
    EXPECT_EQ(lobby->settings, nullptr);
    EXPECT_EQ(lobby->BoxName->text(), QStringLiteral("YourName"));
    EXPECT_EQ(lobby->BoxPort->text(), QStringLiteral("18389"));
    EXPECT_TRUE(lobby->BoxIP->currentText().isEmpty());
    EXPECT_EQ(lobby->BoxIP->count(), 0);
    // The window is complete and its handlers work.
    lobby->TableSize->setPosition(10);
    EXPECT_EQ(lobby->LSize->text(), QStringLiteral("盤のサイズ：10"));
}

} // namespace
