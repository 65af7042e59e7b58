#include "boot_fixture.h"
#include "ui/lobbysettings.h"
#include "ui/settingspath.h"
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {

// The executable's folder and the user's configuration folder, both fresh.
class SettingsPathTest : public LobbyTest {
protected:
    void SetUp() override
    {
        LobbyTest::SetUp();
        ASSERT_TRUE(config.isValid());
    }
    void TearDown() override
    {
        QFile::setPermissions(folder.exeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QStandardPaths::setTestModeEnabled(false);
        LobbyTest::TearDown();
    }
    // Root writes anywhere, so a read-only folder cannot be tried as root.
    bool makeReadOnly()
    {
        if (geteuid() == 0)
            return false;
        return QFile::setPermissions(folder.exeDir(), QFile::ReadOwner | QFile::ExeOwner);
    }
    QString exeDir() const { return folder.exeDir(); }
    QString configDir() const { return config.path() + "/taisen"; }

    QTemporaryDir config;
};

TEST_F(SettingsPathTest, WritableFolderKeepsTheFileBesideTheExecutable)
{
    const ui::SettingsFiles files = ui::settingsFiles(exeDir(), configDir());
    EXPECT_EQ(files.read, exeDir() + "setting.ini");
    EXPECT_EQ(files.write, exeDir() + "setting.ini");
}

TEST_F(SettingsPathTest, ReadOnlyFolderSendsTheFileToTheConfigurationFolder)
{
    if (!makeReadOnly())
        GTEST_SKIP() << "needs a folder this user cannot write";
    EXPECT_EQ(ui::settingsFiles(exeDir(), configDir()).write, configDir() + "/setting.ini");
}

// An installed copy with its own settings: they are read until the player's own file exists,
// which starts from them and wins from then on.
TEST_F(SettingsPathTest, UnwritableFileBesideIsReadAndTheUsersCopyWinsOnceWritten)
{
    QFile beside(exeDir() + "setting.ini");
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.write("[RobbySetting]\r\nName=Kuro\r\nPort=18390\r\n[IPLIST]\r\n0=10.0.0.9\r\n");
    beside.close();
    const auto readOnly = [](const QString&) { return false; };
    const ui::SettingsFiles first = ui::settingsFiles(exeDir(), configDir(), readOnly);
    EXPECT_EQ(first.read, exeDir() + "setting.ini");
    EXPECT_EQ(first.write, configDir() + "/setting.ini");
    ui::LobbySettings settings(first);
    EXPECT_EQ(settings.read().name, "Kuro");
    EXPECT_EQ(settings.read().port, "18390");
    settings.writeHosting("Shiro", "18391");
    const ui::SettingsFiles second = ui::settingsFiles(exeDir(), configDir(), readOnly);
    EXPECT_EQ(second.read, configDir() + "/setting.ini");
    const ui::LobbyValues values = ui::LobbySettings(second).read();
    EXPECT_EQ(values.name, "Shiro");
    EXPECT_EQ(values.ipList, QStringList{"10.0.0.9"}) << "the list read before is kept";
    ASSERT_TRUE(beside.open(QIODevice::ReadOnly));
    EXPECT_TRUE(beside.readAll().contains("Name=Kuro")) << "the installed file is left alone";
}

TEST_F(SettingsPathTest, WritableFileInAReadOnlyFolderStaysInUse)
{
    QFile file(exeDir() + "setting.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    if (!makeReadOnly())
        GTEST_SKIP() << "needs a folder this user cannot write";
    EXPECT_EQ(ui::settingsFiles(exeDir(), configDir()).read, exeDir() + "setting.ini");
}

TEST_F(SettingsPathTest, UserFolderIsCreatedByTheFirstWriteNotAtStartUp)
{
    ui::LobbySettings settings(configDir() + "/setting.ini");
    EXPECT_EQ(settings.read().name, "YourName");
    EXPECT_FALSE(QFileInfo::exists(configDir()));
    settings.writeHosting(QStringLiteral("山田"), "18389");
    QFile file(configDir() + "/setting.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[RobbySetting]\r\nName=\x8E\x52\x93\x63\r\nPort=18389\r\n"));
}

TEST_F(SettingsPathTest, LobbyInAReadOnlyFolderReadsFromTheUserFolderAndCreatesNothing)
{
    QStandardPaths::setTestModeEnabled(true);
    putJoinSound();
    if (!makeReadOnly())
        GTEST_SKIP() << "needs a folder this user cannot write";
    const QString userFolder = ui::userConfigDir();
    QDir(userFolder).removeRecursively();
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(lobby->settingsPath(), userFolder + "/setting.ini");
    EXPECT_FALSE(QFileInfo::exists(userFolder));
}

} // namespace
