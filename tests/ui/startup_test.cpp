#include "boot_fixture.h"
#include "ui/lobbysettings.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>

namespace {

QByteArray sjis(const QString& text)
{
    return QStringEncoder("CP932").encode(text);
}

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

const QString savedSettings = QStringLiteral(
    "[RobbySetting]\r\nName=山田\r\nPort=20000\r\nIP=10.0.0.7\r\n"
    "[IPLIST]\r\n1=host=x\r\n0=192.168.0.2\r\n2=\r\n");

using StartupTest = LobbyTest;

TEST_F(StartupTest, FirstStartShowsTheDefaultsAndCreatesNoFile)
{
    putJoinSound();
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(lobby->BoxName->text(), QStringLiteral("YourName"));
    EXPECT_EQ(lobby->BoxPort->text(), QStringLiteral("18389"));
    EXPECT_TRUE(lobby->BoxIP->currentText().isEmpty());
    EXPECT_EQ(lobby->BoxIP->count(), 0);
    ASSERT_NE(lobby->settings, nullptr);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("setting.ini"))));
}

TEST_F(StartupTest, SavedSettingsFillTheConnectionControls)
{
    putJoinSound();
    putFile(QStringLiteral("setting.ini"), sjis(savedSettings));
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(lobby->BoxName->text(), QStringLiteral("山田"));
    EXPECT_EQ(lobby->BoxPort->text(), QStringLiteral("20000"));
    // The saved address is not in the list, and the list keeps the order of the file's lines.
    EXPECT_EQ(lobby->BoxIP->currentText(), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(items(lobby->BoxIP), (QStringList{QStringLiteral("host=x"), QStringLiteral("192.168.0.2"), QString()}));
}

TEST_F(StartupTest, EmptySavedAddressIsNotReplacedByTheFirstListItem)
{
    putJoinSound();
    putFile(QStringLiteral("setting.ini"), sjis(QStringLiteral("[IPLIST]\r\n0=192.168.0.2\r\n")));
    start();
    EXPECT_TRUE(lobby->BoxIP->currentText().isEmpty());
    EXPECT_EQ(items(lobby->BoxIP), QStringList{QStringLiteral("192.168.0.2")});
}

TEST_F(StartupTest, MissingJoinSoundStopsBeforeTheSettingsAreRead)
{
    putFile(QStringLiteral("setting.ini"), sjis(savedSettings));
    start();
    const QString path = dir.path() + QStringLiteral("/snd/kako.wav");
    EXPECT_EQ(errors, QStringList{QStringLiteral("ファイル ") + path + QStringLiteral(" は開けません.")});
    EXPECT_EQ(lobby->settings, nullptr);
    EXPECT_TRUE(lobby->joinSound.isEmpty());
    EXPECT_EQ(lobby->BoxName->text(), QStringLiteral("YourName"));
    EXPECT_EQ(lobby->BoxPort->text(), QStringLiteral("18389"));
    EXPECT_TRUE(lobby->BoxIP->currentText().isEmpty());
    EXPECT_EQ(lobby->BoxIP->count(), 0);
    // The window itself is complete and works.
    EXPECT_TRUE(lobby->BtnStart->isEnabled());
    lobby->TableSize->setPosition(10);
    EXPECT_EQ(lobby->LSize->text(), QStringLiteral("盤のサイズ：10"));
}

TEST_F(StartupTest, JoinSoundIsReadWhole)
{
    putJoinSound();
    start();
    EXPECT_EQ(lobby->joinSound, tinyWave());
}

} // namespace
