#include "net/guestsession.h"
#include "tests/support/controls.h"
#include "net/lobbymessages.h"
#include "record/recordstore.h"
#include "tests/net/rawpeer.h"
#include "tests/stations/program.h"

#include <QTest>
#include <gtest/gtest.h>

#include <QSettings>

namespace {

const QString B = QStringLiteral("B");

// The guest B joined to a host of bytes only, which has read B's MsgJoin.
class GuestTest : public testing::Test {
protected:
    void SetUp() override
    {
        guest.join(rawHost.port());
        host = rawHost.accept();
        ASSERT_TRUE(host);
        ASSERT_TRUE(host->waitFor(1));
        joinBytes = std::exchange(host->bytes, {});
        host->heard.clear();
    }

    void hostSays(const QStringList& lines)
    {
        host->say(lines);
        QTest::qWait(30);
    }

    // The member list, then a start with the guest's seat, the count rule and no time limit.
    void started(int seat, int size = 8, int limit = 61)
    {
        hostSays({"0", "A", "C", "D", "B"});
        hostSays(net::startMessage({size, seat, rules::Scoring::Count, limit, true}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return guest.form->isVisible(); }, 5000));
    }

    // The turn opens once the move before it has been shown.
    bool turnOpens()
    {
        return QTest::qWaitFor([&] { return guest.boardOpen(); }, 3000);
    }

    ErrorCollector errors;
    RawHost rawHost;
    Program guest{B};
    std::unique_ptr<RawPeer> host;
    QByteArray joinBytes;
};

TEST_F(GuestTest, JoinsByNameAndTakesTheHostsMemberList)
{
    EXPECT_EQ(joinBytes, "0\r\nB\r\n");
    hostSays({"0", "A", "B"});
    EXPECT_EQ(guest.members(), QStringList({"A", "B"}));
    EXPECT_EQ(guest.chat(), QStringList({QStringLiteral("◆サーバーと接続完了")}));
    EXPECT_EQ(guest.boot->windowTitle(), QStringLiteral("対戦ゲム　ロビー 【クライアント】"));
    EXPECT_TRUE(control<QPushButton>(*guest.boot, "BtnOut")->isEnabled());
    EXPECT_TRUE(guest.noneEnabled({"BtnGo", "Method", "BoxName"}));
}

TEST_F(GuestTest, NoticesGoToTheChatAndReplaceTheMembersEvenBeforeTheReply)
{
    hostSays({"1", QStringLiteral("◆D氏の来訪"), "A", "C", "D"});
    EXPECT_EQ(guest.chat().last(), QStringLiteral("◆D氏の来訪"));
    EXPECT_EQ(guest.members(), QStringList({"A", "C", "D"}));
    hostSays({"0", "A", "C", "D", "B"});
    EXPECT_EQ(guest.members(), QStringList({"A", "C", "D", "B"}));
    hostSays({"2", QStringLiteral("C：やあ")});
    EXPECT_EQ(guest.chat().last(), QStringLiteral("C：やあ"));
}

TEST_F(GuestTest, StartTakesTheHostsSettingsAndShowsANewGame)
{
    control<QCheckBox>(*guest.boot, "rotation")->setChecked(true);
    hostSays({"0", "A", "C", "D", "B"});
    hostSays({"3", "10", "3", "1", "30", "0"});
    EXPECT_EQ(control<ui::TExtTrackBar>(*guest.boot, "TableSize")->Position(), 10);
    EXPECT_EQ(guest.game().mySeat(), 3);
    EXPECT_EQ(control<ui::RadioGroup>(*guest.boot, "score_method")->ItemIndex(), 1);
    EXPECT_EQ(control<ui::TExtTrackBar>(*guest.boot, "TimeLimit")->Position(), 30);
    EXPECT_FALSE(control<QCheckBox>(*guest.boot, "rotation")->isChecked());
    EXPECT_FALSE(guest.game().rotation());
    EXPECT_FALSE(guest.match().myTurn());
    EXPECT_FALSE(guest.boardOpen());
    EXPECT_EQ(guest.game().boardSize(), 10);
    EXPECT_EQ(guest.game().scoring(), rules::Scoring::Count);
    EXPECT_TRUE(guest.form->isVisible());
}

class GuestStart : public GuestTest, public testing::WithParamInterface<QStringList> {};

// A start that is not plainly one changes nothing: no setting, no game.
TEST_P(GuestStart, OutOfRangeOrMalformedStartIsIgnored)
{
    control<ui::TExtTrackBar>(*guest.boot, "TableSize")->setPosition(12);
    control<ui::TExtTrackBar>(*guest.boot, "TimeLimit")->setPosition(20);
    hostSays({"0", "A", "C", "D", "B"});
    hostSays(GetParam());
    EXPECT_EQ(control<ui::TExtTrackBar>(*guest.boot, "TableSize")->Position(), 12);
    EXPECT_EQ(control<ui::TExtTrackBar>(*guest.boot, "TimeLimit")->Position(), 20);
    EXPECT_FALSE(guest.form->isVisible());
    EXPECT_TRUE(errors.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(GuestTest, GuestStart, testing::Values(
    QStringList{"3", "40", "2", "0", "99", "1"}, QStringList{"3", "-3", "2", "0", "1", "1"},
    QStringList{"3", "9", "2", "5", "61", "1"}, QStringList{"3", "9", "2", "x", "61", "1"},
    QStringList{"3", "9", "1", "0", "61", "1"}),
    [](const auto& info) { return info.param.join(u'_').replace(u'-', u'm').toStdString(); });

// Any rotation line but "1" means none; a seat beyond the fourth watches.
TEST_F(GuestTest, StartWithAnyRotationLineOrAWatchersSeatOpensTheGame)
{
    control<QCheckBox>(*guest.boot, "rotation")->setChecked(true);
    hostSays({"0", "A", "C", "D", "B"});
    hostSays({"3", "9", "2", "0", "61", "2"});
    EXPECT_TRUE(guest.form->isVisible());
    EXPECT_FALSE(control<QCheckBox>(*guest.boot, "rotation")->isChecked());
    EXPECT_FALSE(guest.game().rotation());
    EXPECT_EQ(guest.game().boardSize(), 9);
    hostSays({"3", "10", "6", "0", "61", "1"});
    EXPECT_EQ(guest.game().boardSize(), 10);
    EXPECT_EQ(guest.game().mySeat(), 6);
    EXPECT_TRUE(errors.messages.isEmpty());
}

// A host that relays a chat whole passes its typed line breaks on as more lines.
TEST_F(GuestTest, LinesBehindAChatCountOnlyAsTheMoveTheGameAwaits)
{
    started(3);
    const auto [col, row] = guest.game().legalCells().front();
    host->sayBytes(net::encodeMessage({"2", QStringLiteral("C：結果"), "2", QStringLiteral("順位：1位 主催者"), "4",
                                       "3", "0", "0", "3", "10", "3", "0", "61", "1"}));
    QTest::qWait(60);
    host->sayBytes(net::encodeMessage({"2", QStringLiteral("A：次")}) + net::encodeMessage(net::moveMessage(2, col, row)));
    QTest::qWait(60);
    EXPECT_EQ(guest.chat().mid(guest.chat().size() - 2), QStringList({QStringLiteral("C：結果"), QStringLiteral("A：次")}));
    EXPECT_EQ(guest.game().boardSize(), 8) << "no new game";
    EXPECT_EQ(guest.game().board()[col][row], 1) << "the awaited move is played";
    EXPECT_EQ(guest.game().curPlayer(), 2);
    EXPECT_TRUE(guest.chat().filter(net::desyncNotice()).isEmpty());
}

TEST_F(GuestTest, MoveNamingItsSeatOpensItsTurnWithTheTimers)
{
    started(3, 8, 60);
    const auto [col, row] = guest.game().legalCells().front();
    hostSays(net::moveMessage(2, col, row));
    EXPECT_EQ(guest.game().board()[col][row], 1);
    EXPECT_FALSE(guest.boardOpen());
    hostSays(net::moveMessage(3, -1, -1));
    EXPECT_EQ(guest.game().curPlayer(), 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guest.boardOpen(); }, 2000)) << "once the move before it shows";
    EXPECT_TRUE(guest.match().myTurn());
    EXPECT_TRUE(guest.form->match().timersRunning());
}

TEST_F(GuestTest, OwnMoveGoesToTheHostAndItsEchoIsDropped)
{
    started(2);
    hostSays(net::moveMessage(2, -1, -1));
    ASSERT_TRUE(turnOpens());
    const auto [col, row] = guest.game().legalCells().front();
    guest.match().TableSelectCell(col, row);
    ASSERT_TRUE(host->waitFor(1));
    EXPECT_EQ(host->heard.last(), net::moveMessage(3, col, row));
    EXPECT_FALSE(guest.boardOpen());

    const auto board = guest.game().board();
    hostSays(net::moveMessage(3, col, row));
    EXPECT_EQ(guest.game().board(), board);
    EXPECT_EQ(guest.game().curPlayer(), 3);
    host->settle();
    EXPECT_EQ(host->heard.size(), 1);
    hostSays(net::moveMessage(4, -1, -1));
    EXPECT_EQ(guest.game().curPlayer(), 4) << "only the one echo is dropped";
}

TEST_F(GuestTest, NewStartClosesATurnLeftOpenByTheLastGame)
{
    started(2);
    hostSays(net::moveMessage(2, -1, -1));
    ASSERT_TRUE(turnOpens());
    hostSays(net::startMessage({6, 2, rules::Scoring::Points, 61, false}));
    EXPECT_EQ(guest.game().boardSize(), 6);
    EXPECT_FALSE(guest.match().myTurn());
    EXPECT_FALSE(guest.boardOpen());
}

TEST_F(GuestTest, MoveBeforeAnyStartIsIgnored)
{
    hostSays({"0", "A", "C", "D", "B"});
    hostSays(net::moveMessage(2, -1, -1));
    EXPECT_FALSE(guest.form->isVisible());
    EXPECT_EQ(guest.game().passCount(), 0);
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(GuestTest, MalformedMessagesChangeNothing)
{
    started(2);
    hostSays({"4", "2", "x", "3"});
    hostSays({"4", "2"});
    hostSays({"3", "9", "2"});
    hostSays({"7", "junk"});
    EXPECT_EQ(guest.game().curPlayer(), 1);
    EXPECT_EQ(guest.game().boardSize(), 8);
    EXPECT_TRUE(errors.messages.isEmpty());
}

// Messages that an earlier reading of the stream merged, cut or took for others.
TEST_F(GuestTest, ShortMoveFromTheHostIsNotCompletedByItsNextMove)
{
    started(3);
    host->sayBytes("4\r\n2\r\n");
    QTest::qWait(net::QuietGapMs + 100);
    const auto [col, row] = guest.game().legalCells().front();
    hostSays(net::moveMessage(2, col, row));
    EXPECT_EQ(guest.game().board()[col][row], 1);
    EXPECT_EQ(guest.game().curPlayer(), 2);
}

TEST_F(GuestTest, JoinNoticeThenTheReplyInOneReadAreTwoMessages)
{
    host->sayBytes(net::encodeMessage({"1", QStringLiteral("◆G氏の来訪"), "A", "G"})
                   + net::encodeMessage({"0", "A", "G", "B"}));
    QTest::qWait(60);
    EXPECT_EQ(guest.members(), QStringList({"A", "G", "B"}));
    EXPECT_EQ(guest.chat().last(), QStringLiteral("◆G氏の来訪"));
}

class NamesAsLines : public GuestTest, public testing::WithParamInterface<QStringList> {};

// Names chosen by players stay names, whatever host lists them and whatever follows them.
TEST_P(NamesAsLines, NeverBecomeAMoveOrAStart)
{
    hostSays(QStringList{"0", "A"} + GetParam() + QStringList{"B"});
    EXPECT_EQ(guest.members(), QStringList({"A"}) + GetParam() + QStringList({"B"}));
    host->sayBytes(net::encodeMessage(QStringList{"1", QStringLiteral("◆E氏の来訪"), "A"} + GetParam()
                                      + QStringList{"B", "E"})
                   + net::encodeMessage({"2", QStringLiteral("E：やあ")}));
    QTest::qWait(60);
    EXPECT_EQ(guest.chat().last(), QStringLiteral("E：やあ"));
    EXPECT_FALSE(guest.form->isVisible());
    EXPECT_EQ(guest.game().boardSize(), 0);
}

INSTANTIATE_TEST_SUITE_P(GuestTest, NamesAsLines, testing::Values(
    QStringList{"4", "5", "6", "7"}, QStringList{"3", "8", "2", "0", "61", "0"}, QStringList{"0", "1", "2"}),
    [](const auto& info) { return "Names_" + info.param.join(u'_').toStdString(); });

TEST_F(GuestTest, MoveTheBoardRefusesIsSaidOnceAGame)
{
    started(3);
    const int c = guest.game().centerCol();
    hostSays(net::moveMessage(2, c, c)); // a jewel's cell
    hostSays(net::moveMessage(3, -1, -1));
    EXPECT_EQ(guest.chat().filter(net::desyncNotice()).size(), 1);
}

TEST_F(GuestTest, ChatGoesToTheHostAndAnEmptyLineNowhere)
{
    guest.boot->BtnSendClick();
    control<QPlainTextEdit>(*guest.boot, "EditMessage")->setPlainText(QStringLiteral("よろしく"));
    guest.boot->BtnSendClick();
    ASSERT_TRUE(host->waitFor(1));
    host->settle();
    EXPECT_EQ(host->heard, Messages({{"2", QStringLiteral("B：よろしく")}}));
    EXPECT_EQ(guest.chat().last(), QStringLiteral("B：よろしく"));
}

TEST_F(GuestTest, LeavingSaysGoodbyeAndResetsTheLobby)
{
    started(2);
    guest.boot->BtnOutClick();
    ASSERT_TRUE(host->waitFor(1));
    EXPECT_EQ(host->heard, Messages({{"1", "B"}}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return host->socket->state() != QAbstractSocket::ConnectedState; }, 5000));
    EXPECT_TRUE(guest.members().isEmpty());
    EXPECT_EQ(guest.chat().last(), QStringLiteral("◆サーバーから切断しました"));
    EXPECT_EQ(guest.boot->windowTitle(), QStringLiteral("対戦ゲム　ロビー"));
    EXPECT_TRUE(guest.allEnabled({"BtnGo", "Method", "BoxName"}));
    EXPECT_FALSE(control<QPushButton>(*guest.boot, "BtnOut")->isEnabled());
    EXPECT_TRUE(guest.form->isVisible());
}

TEST_F(GuestTest, ClosingTheLobbySaysGoodbye)
{
    guest.boot->close();
    ASSERT_TRUE(host->waitFor(1));
    EXPECT_EQ(host->heard, Messages({{"1", "B"}}));
}

// The host goes away in a game, in order or with a reset: one chat line says so, the game stops
// where it is and is kept as unfinished, and 接続 reaches a host on the same port again.
class HostLost : public GuestTest, public testing::WithParamInterface<bool> {};

TEST_P(HostLost, GuestSaysSoOnceStopsItsGameAndCanJoinAgain)
{
    started(3, 8, 60);
    const auto [col, row] = guest.game().legalCells().front();
    hostSays(net::moveMessage(2, col, row));
    hostSays(net::moveMessage(3, -1, -1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.boardOpen(); }, 2000));
    if (GetParam())
        host->reset();
    else
        host->socket->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QPushButton>(*guest.boot, "BtnGo")->isEnabled(); }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(guest.chat().filter(QStringLiteral("▲")).size(), 1) << guest.chat().join(u'\n').toStdString();
    EXPECT_FALSE(guest.boardOpen() || guest.match().myTurn() || guest.match().timersRunning());
    const auto kept = record::openRecord(guest.station.recorder()->lastWritten());
    ASSERT_TRUE(kept.game.has_value());
    EXPECT_EQ(kept.game->moves.size(), 2u);
    EXPECT_FALSE(kept.game->finished());
    EXPECT_TRUE(errors.messages.isEmpty());

    guest.boot->BtnGoClick();
    const auto again = rawHost.accept();
    ASSERT_TRUE(again);
    ASSERT_TRUE(again->waitFor(1));
    EXPECT_EQ(again->heard.first(), QStringList({"0", "B"}));
}

INSTANTIATE_TEST_SUITE_P(GuestTest, HostLost, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Reset" : "ClosedInOrder"; });

TEST_F(GuestTest, EveryJoinAddsTheAddressToTheListAndTheSettings)
{
    guest.boot->BtnOutClick();
    guest.join(rawHost.port());
    QSettings ini(guest.exeDir() + QStringLiteral("setting.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("RobbySetting/Name").toString(), B);
    EXPECT_EQ(ini.value("RobbySetting/Port").toString(), QString::number(rawHost.port()));
    EXPECT_EQ(ini.value("RobbySetting/IP").toString(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(ini.value("IPLIST/0").toString(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(ini.value("IPLIST/1").toString(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(control<QComboBox>(*guest.boot, "BoxIP")->count(), 2);
}

} // namespace

// A guest whose host cannot be reached, or whose port is bad.
class GuestFailure : public testing::Test {
protected:
    ErrorCollector errors;
    Program guest{B};
};

TEST_F(GuestFailure, UnreachableHostGoesBackToIdleWithNameAndPortOpen)
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    guest.join(closedPort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QPushButton>(*guest.boot, "BtnGo")->isEnabled(); }, 5000));
    EXPECT_EQ(guest.chat(), QStringList({QStringLiteral("▲サーバーとの接続に失敗しました")}));
    EXPECT_FALSE(control<QPushButton>(*guest.boot, "BtnOut")->isEnabled());
    EXPECT_TRUE(guest.allEnabled({"Method", "BoxName", "BoxPort"}));
    EXPECT_EQ(guest.boot->windowTitle(), QStringLiteral("対戦ゲム　ロビー"));
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(GuestFailure, PortThatIsNoIntegerStopsBeforeConnecting)
{
    control<ui::RadioGroup>(*guest.boot, "Method")->setItemIndex(1);
    control<QLineEdit>(*guest.boot, "BoxPort")->setText(QStringLiteral("port"));
    ui::guarded([&] { guest.boot->BtnGoClick(); });
    EXPECT_EQ(errors.messages, QStringList({QStringLiteral("'port' は整数ではありません.")}));
    EXPECT_TRUE(guest.allEnabled({"BtnGo", "Method", "BoxPort"}));
    EXPECT_FALSE(control<QPushButton>(*guest.boot, "BtnOut")->isEnabled());
    EXPECT_EQ(control<QComboBox>(*guest.boot, "BoxIP")->count(), 0);
}

TEST_F(GuestFailure, LeavingWhileStillConnectingAbandonsTheAttempt)
{
    RawHost rawHost;
    guest.join(rawHost.port());
    guest.boot->BtnOutClick();
    auto peer = rawHost.accept();
    ASSERT_TRUE(peer);
    EXPECT_TRUE(QTest::qWaitFor([&] { return peer->socket->state() == QAbstractSocket::UnconnectedState; }, 5000));
    peer->collect();
    EXPECT_TRUE(peer->bytes.isEmpty());
    EXPECT_FALSE((guest.station.state() == match::Station::State::Joined));
    EXPECT_FALSE(guest.chat().contains(QStringLiteral("◆サーバーと接続完了")));
}

namespace {

// Woken late on its turn, the guest at seat 3 placed a face; the host had passed for it: the
// host's pass stands, the guest's face goes from its game and its screen, and play goes on.
TEST_F(GuestTest, OwnMoveTheHostOverruledIsTakenBackForTheHosts)
{
    started(3, 8, 60);
    hostSays(net::moveMessage(2, -1, -1));
    hostSays(net::moveMessage(3, -1, -1));
    ASSERT_TRUE(turnOpens());
    const auto before = guest.game().board();
    const auto [col, row] = guest.game().legalCells().front();
    guest.match().TableSelectCell(col, row);
    ASSERT_TRUE(host->waitFor(1));
    hostSays(net::moveMessage(4, -1, -1));
    EXPECT_EQ(guest.game().board(), before);
    EXPECT_EQ(guest.game().moves().size(), 3u);
    EXPECT_EQ(guest.game().curPlayer(), 4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guest.form->animator().board() == before; }, 2000));
    EXPECT_EQ(guest.chat().filter(QStringLiteral("▲")).size(), 1);
    const auto [col4, row4] = guest.game().legalCells().front();
    hostSays(net::moveMessage(1, col4, row4));
    EXPECT_EQ(guest.game().curPlayer(), 1) << "the next move is not taken for an echo";
    host->settle();
    EXPECT_EQ(host->heard.size(), 1);
}

// Moves between the host's two marks bring a returning guest up to the game: each shown at once,
// and its turn opens only after the second mark, though earlier moves named its seat.
TEST_F(GuestTest, CaughtUpMovesShowAtOnceAndOpenTheTurnOnlyAfterTheLast)
{
    int opened = 0;
    QObject::connect(&guest.match(), &match::Match::turnOpened, [&] { ++opened; });
    hostSays(net::catchUpMessage(true));
    started(2);
    const auto play = [&](int next) {
        const auto [col, row] = guest.game().legalCells().front();
        hostSays(net::moveMessage(next, col, row));
        EXPECT_TRUE(guest.form->animator().idle());
        EXPECT_EQ(guest.form->animator().board(), guest.game().board());
    };
    play(2);
    play(3);
    hostSays(net::moveMessage(4, -1, -1));
    hostSays(net::moveMessage(1, -1, -1));
    play(2);
    QTest::qWait(1500);
    EXPECT_EQ(opened, 0) << "no turn before the second mark, however quiet the host";
    hostSays(net::catchUpMessage(false));
    ASSERT_TRUE(turnOpens());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(guest.game().moves().size(), 5u);
}

// The host goes while the move that opens this station's turn is still being shown: the caption
// that follows the move says the game stopped, never that it is this station's turn.
TEST_F(GuestTest, AHostLostDuringTheShowOfAMoveLeavesTheGameStoppedOnScreen)
{
    started(2);
    const auto [col, row] = guest.game().legalCells().front();
    hostSays(net::moveMessage(2, col, row));
    ASSERT_FALSE(guest.form->animator().idle());
    host->socket->abort();
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.game().abandoned() && guest.form->animator().idle(); }, 2000));
    EXPECT_EQ(guest.form->windowTitle(), QStringLiteral("ゲーム中断　"));
    EXPECT_FALSE(guest.boardOpen());
}

// A fresh game has no marks: its first move is shown over time however soon it comes, and the
// turn it hands on opens as soon as it has been shown.
TEST_F(GuestTest, AFreshGamesFirstMoveIsShownOverTimeAndOpensTheNextTurn)
{
    started(2);
    const auto [col, row] = guest.game().legalCells().front();
    hostSays(net::moveMessage(2, col, row));
    EXPECT_FALSE(guest.form->animator().idle()) << "shown over time";
    EXPECT_FALSE(guest.boardOpen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.boardOpen(); }, 1000));
}

} // namespace
