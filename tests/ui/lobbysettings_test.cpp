#include "inifile_fixture.h"
#include "rules/failure.h"
#include "ui/lobbysettings.h"

namespace {

using ui::LobbySettings;
using ui::LobbyValues;

using LobbySettingsTest = SettingsFileTest;

// What the lobby does when joining starts: the host box's text joins the list, then all is written.
void join(LobbySettings& settings, const QString& name, const QString& ip)
{
    const LobbyValues values = settings.read();
    settings.writeJoining(name, values.port, ip, values.ipList + QStringList{ip});
}

TEST_F(LobbySettingsTest, HostingWritesNameThenPort)
{
    LobbySettings(path).writeHosting(text("ソフト太郎"), "18390");
    EXPECT_EQ(bytes(), sjis("[RobbySetting]\r\nName=ソフト太郎\r\nPort=18390\r\n"));
}

TEST_F(LobbySettingsTest, JoiningWritesNamePortIpThenTheList)
{
    LobbySettings(path).writeJoining("Taro", "18389", "10.0.0.2", {"10.0.0.1", "10.0.0.2"});
    EXPECT_EQ(bytes(), "[RobbySetting]\r\nName=Taro\r\nPort=18389\r\nIP=10.0.0.2\r\n"
                       "[IPLIST]\r\n0=10.0.0.1\r\n1=10.0.0.2\r\n");
}

TEST_F(LobbySettingsTest, JoiningTwiceToTheSameAddressKeepsItTwice)
{
    LobbySettings settings(path);
    join(settings, "Taro", "192.168.0.2");
    join(settings, "Taro", "192.168.0.2");
    EXPECT_EQ(settings.read().ipList, (QStringList{"192.168.0.2", "192.168.0.2"}));
    EXPECT_EQ(bytes(), "[RobbySetting]\r\nName=Taro\r\nPort=18389\r\nIP=192.168.0.2\r\n"
                       "[IPLIST]\r\n0=192.168.0.2\r\n1=192.168.0.2\r\n");
}

TEST_F(LobbySettingsTest, ShorterListLeavesLaterKeysInTheFile)
{
    put("[IPLIST]\r\n0=a\r\n1=b\r\n2=c\r\n");
    LobbySettings settings(path);
    settings.writeJoining("Taro", "18389", "z", {"z"});
    EXPECT_EQ(settings.read().ipList, (QStringList{"z", "b", "c"}));
}

TEST_F(LobbySettingsTest, FailingPortStopsBeforeIpAndList)
{
    put("[RobbySetting]\r\nName=a\r\nPort=1\r\n");
    EXPECT_THROW(LobbySettings(path).writeJoining("b", "2\n3", "h", {"h"}), Failure);
    EXPECT_EQ(bytes(), "[RobbySetting]\r\nName=b\r\nPort=1\r\n");
}

TEST_F(LobbySettingsTest, FailingListItemKeepsTheItemsBeforeIt)
{
    EXPECT_THROW(LobbySettings(path).writeJoining("n", "1", "h", {"x", "bad\r\nline", "y"}), Failure);
    EXPECT_EQ(bytes(), "[RobbySetting]\r\nName=n\r\nPort=1\r\nIP=h\r\n[IPLIST]\r\n0=x\r\n");
}

} // namespace
