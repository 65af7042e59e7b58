#include "net/guestsession.h"
#include "tests/support/controls.h"
#include "tests/support/namedcase.h"
#include "net/lobbymessages.h"
#include "net/socketerror.h"
#include "tests/net/rawpeer.h"
#include "tests/stations/program.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include <QSettings>
#include <cerrno>

using net::Sender;

namespace {

const QString A = QStringLiteral("A");

// The host A with guests of bytes only, each joined under its name.
class HostTest : public testing::Test {
protected:
    void SetUp() override { port = host.host(); }

    RawPeer& join(const QString& name)
    {
        auto& peer = *guests.emplace_back(std::make_unique<RawPeer>(Sender::Host));
        EXPECT_TRUE(peer.connectTo(port));
        peer.say({"0", name});
        EXPECT_TRUE(QTest::qWaitFor([&] { return host.members().endsWith(name); }, 5000)) << name.toStdString();
        return peer;
    }

    // B, C and D joined, each has read everything sent so far.
    void fourMembers()
    {
        for (const char* name : {"B", "C", "D"})
            join(QLatin1String(name));
        for (auto& g : guests)
            g->settle();
    }

    void clearInboxes()
    {
        for (auto& g : guests) {
            g->settle();
            g->heard.clear();
            g->bytes.clear();
        }
    }

    ErrorCollector errors;
    Program host{A};
    quint16 port = 0;
    std::vector<std::unique_ptr<RawPeer>> guests;
};

QString joined(const char* name) { return QStringLiteral("◆") + QLatin1String(name) + QStringLiteral("氏の来訪"); }
QString left(const char* name) { return QStringLiteral("◆") + QLatin1String(name) + QStringLiteral("氏の退室"); }

TEST_F(HostTest, ListeningLocksTheRoleAndListsTheHostAndSavesNameAndPort)
{
    EXPECT_EQ(host.members(), QStringList({A}));
    EXPECT_EQ(host.chat(), QStringList({QStringLiteral("◆サーバーとして接続を待機中")}));
    EXPECT_EQ(host.boot->windowTitle(), QStringLiteral("対戦ゲム　ロビー 【サーバー】"));
    EXPECT_TRUE(host.noneEnabled({"BoxName", "BoxPort"}));
    EXPECT_TRUE(host.noneEnabled({"BtnStart", "Method"}));
    EXPECT_TRUE(control<QPushButton>(*host.boot, "BtnOut")->isEnabled());
    QSettings ini(host.exeDir() + QStringLiteral("setting.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("RobbySetting/Name").toString(), A);
    EXPECT_EQ(ini.value("RobbySetting/Port").toString(), QStringLiteral("0"));
}

TEST_F(HostTest, FirstGuestGetsTheMemberListAndNobodyElseHearsOfIt)
{
    RawPeer& b = join("B");
    ASSERT_TRUE(b.waitFor(1));
    EXPECT_EQ(b.heard, Messages({{"0", "A", "B"}}));
    EXPECT_EQ(host.chat().last(), joined("B"));
    EXPECT_FALSE(control<QPushButton>(*host.boot, "BtnGame")->isEnabled());
}

TEST_F(HostTest, FourthMemberGetsTheListTheOthersTheNoticeAndTheSettingsOpen)
{
    join("B");
    join("C");
    EXPECT_FALSE(control<QPushButton>(*host.boot, "BtnGame")->isEnabled());
    clearInboxes();
    RawPeer& d = join("D");
    ASSERT_TRUE(d.waitFor(1));
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(guests[i]->waitFor(1));
        EXPECT_EQ(guests[i]->heard, Messages({{"1", joined("D"), "A", "B", "C", "D"}}));
    }
    EXPECT_EQ(d.heard, Messages({{"0", "A", "B", "C", "D"}}));
    for (const char* name : {"BtnGame", "score_method", "TableSize", "TimeLimit", "rotation"})
        EXPECT_TRUE(control(*host.boot, name)->isEnabled()) << name;
}

TEST_F(HostTest, LeaveNotifiesTheOthersOnlyAndClosesTheSettingsBelowFour)
{
    fourMembers();
    clearInboxes();
    guests[1]->say({"1", "C"});
    for (int i : {0, 2}) {
        ASSERT_TRUE(guests[i]->waitFor(1));
        EXPECT_EQ(guests[i]->heard, Messages({{"1", left("C"), "A", "B", "D"}}));
    }
    guests[1]->settle();
    EXPECT_TRUE(guests[1]->heard.isEmpty());
    EXPECT_EQ(host.members(), QStringList({"A", "B", "D"}));
    EXPECT_EQ(host.boot->station().connectionCount(), 2);
    EXPECT_EQ(host.chat().last(), left("C"));
    EXPECT_FALSE(control<QPushButton>(*host.boot, "BtnGame")->isEnabled());
    EXPECT_FALSE(control<ui::TExtTrackBar>(*host.boot, "TableSize")->isEnabled());
}

// A goodbye counts only under the sender's own name (letter case aside) and takes only its
// own entry; under another name it is a chat's extra lines or a forgery.
TEST_F(HostTest, LeaveCountsOnlyUnderTheSendersOwnName)
{
    fourMembers();
    clearInboxes();
    guests[1]->say({"1", "B"});
    guests[1]->say({"1", "A"});
    guests[2]->say({"1", "d"});
    ASSERT_TRUE(guests[0]->waitFor(1));
    guests[0]->settle();
    EXPECT_EQ(guests[0]->heard, Messages({{"1", left("D"), "A", "B", "C"}}));
    EXPECT_EQ(host.members(), QStringList({"A", "B", "C"}));
}

// A chat's typed line breaks travel as more lines of it; they never act as a message.
TEST_F(HostTest, ChatsExtraLinesAreNotReadAsMessages)
{
    fourMembers();
    clearInboxes();
    guests[0]->sayBytes(net::encodeMessage({"2", QStringLiteral("B：結果"), "1", QStringLiteral("以上"), "2",
                                            QStringLiteral("C：なりすまし")}));
    ASSERT_TRUE(guests[1]->waitFor(1));
    guests[1]->settle();
    EXPECT_EQ(guests[1]->heard, Messages({{"2", QStringLiteral("B：結果")}}));
    EXPECT_EQ(host.chat().last(), QStringLiteral("B：結果"));
    EXPECT_EQ(host.members(), QStringList({"A", "B", "C", "D"}));
}

// The list shows the name cleaned; the settings keep the player's own for the next start.
TEST(HostName, IsCleanedForTheListAndSavedAsTyped)
{
    ErrorCollector errors;
    Program host{QStringLiteral("123")};
    host.host();
    EXPECT_EQ(host.members(), QStringList({QStringLiteral("ゲスト1")}));
    QSettings ini(host.exeDir() + QStringLiteral("setting.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("RobbySetting/Name").toString(), QStringLiteral("123"));
}

TEST_F(HostTest, OnlyTheFirstJoinOfAConnectionNamesIt)
{
    RawPeer& b = join("B");
    b.sayBytes(net::encodeMessage({"0", "E"}) + net::encodeMessage({"0", "F"}));
    b.settle();
    EXPECT_EQ(host.members(), QStringList({"A", "B"}));
    EXPECT_EQ(b.heard, Messages({{"0", "A", "B"}}));
}

struct NameCase : NamedCase {
    QString given;
    QString listed;
};

class HostNames : public HostTest, public testing::WithParamInterface<NameCase> {};

// The joiner's reply and everyone's list carry the name as the host accepted it.
TEST_P(HostNames, ReplyCarriesTheAcceptedName)
{
    RawPeer& b = *guests.emplace_back(std::make_unique<RawPeer>(Sender::Host));
    ASSERT_TRUE(b.connectTo(port));
    b.say({"0", GetParam().given});
    b.inbox.setOwnName(GetParam().listed);
    ASSERT_TRUE(b.waitFor(1));
    EXPECT_EQ(b.heard, Messages({{"0", "A", GetParam().listed}}));
    EXPECT_EQ(host.members(), QStringList({"A", GetParam().listed}));
}

INSTANTIATE_TEST_SUITE_P(HostTest, HostNames, testing::Values(
    NameCase{{"Long"}, QString(2000, u'n'), QString(24, u'n')},
    NameCase{{"Digits"}, "3", QStringLiteral("ゲスト1")},
    NameCase{{"Notice"}, QStringLiteral("◆A氏の来訪"), QStringLiteral("ゲスト1")}),
    byName);

TEST_F(HostTest, ChatGoesToEveryOtherGuestWhole)
{
    fourMembers();
    clearInboxes();
    const QStringList chat{"2", QStringLiteral("B：こんにちは"), "second line"};
    guests[0]->say(chat);
    for (int i : {1, 2}) {
        ASSERT_TRUE(guests[i]->waitFor(1));
        EXPECT_EQ(guests[i]->heard, Messages({{"2", QStringLiteral("B：こんにちは")}}));
    }
    guests[0]->settle();
    EXPECT_TRUE(guests[0]->heard.isEmpty());
    EXPECT_EQ(host.chat().last(), QStringLiteral("B：こんにちは"));
}

// Whatever name a line claims, the sender's own goes before "：" and the text after it stays.
TEST_F(HostTest, ChatLineSpeaksForItsSenderOnly)
{
    fourMembers();
    clearInboxes();
    guests[0]->say({"2", QStringLiteral("A：ゲームを始めます。パスワードを送って")});
    ASSERT_TRUE(guests[1]->waitFor(1));
    guests[0]->say({"2", QStringLiteral("D：：私はDです")});
    ASSERT_TRUE(guests[1]->waitFor(2));
    EXPECT_EQ(guests[1]->heard, Messages({{"2", QStringLiteral("B：ゲームを始めます。パスワードを送って")},
                                          {"2", QStringLiteral("B：：私はDです")}}));
    EXPECT_EQ(host.chat().last(), QStringLiteral("B：：私はDです"));
}

TEST_F(HostTest, HostsOwnChatReachesEveryGuestAndAnEmptyLineNothing)
{
    fourMembers();
    clearInboxes();
    host.boot->BtnSendClick();
    control<QPlainTextEdit>(*host.boot, "EditMessage")->setPlainText(QStringLiteral("やあ"));
    host.boot->BtnSendClick();
    for (auto& g : guests) {
        ASSERT_TRUE(g->waitFor(1));
        g->settle();
        EXPECT_EQ(g->heard, Messages({{"2", QStringLiteral("A：やあ")}}));
    }
    EXPECT_EQ(host.chat().last(), QStringLiteral("A：やあ"));
}

TEST_F(HostTest, GameStartSendsEachGuestItsSeatAndOpensTheHostsTurn)
{
    fourMembers();
    clearInboxes();
    control<ui::TExtTrackBar>(*host.boot, "TableSize")->setPosition(10);
    control<ui::TExtTrackBar>(*host.boot, "TimeLimit")->setPosition(30);
    control<ui::RadioGroup>(*host.boot, "score_method")->setItemIndex(1);
    control<QCheckBox>(*host.boot, "rotation")->setChecked(false);
    host.boot->BtnGameClick();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(guests[i]->waitFor(1));
        const QByteArray seat = QByteArray::number(i + 2);
        EXPECT_EQ(guests[i]->bytes, "3\r\n10\r\n" + seat + "\r\n1\r\n30\r\n0\r\n");
    }
    EXPECT_EQ(host.game().mySeat(), 1);
    EXPECT_TRUE(host.match().myTurn());
    EXPECT_TRUE(host.boardOpen());
    EXPECT_TRUE(host.form->match().timersRunning());
    EXPECT_TRUE(host.form->isVisible());
    EXPECT_TRUE(host.noneEnabled({"BtnGame", "score_method", "TimeLimit"}));
    EXPECT_TRUE(control<ui::TExtTrackBar>(*host.boot, "TableSize")->isEnabled());
}

// Fewer than four names never make a game: ゲム開始 stays off, and pressed anyway it does nothing.
TEST_F(HostTest, GameStartWithTooFewNamesNeverComes)
{
    join("B");
    clearInboxes();
    EXPECT_FALSE(control<QPushButton>(*host.boot, "BtnGame")->isEnabled());
    ui::guarded([&] { host.boot->BtnGameClick(); });
    EXPECT_TRUE(errors.messages.isEmpty());
    guests[0]->settle();
    EXPECT_TRUE(guests[0]->heard.isEmpty());
    EXPECT_FALSE(host.form->isVisible());
    EXPECT_FALSE(host.match().myTurn());
}

// The host moves, then the guests of seats 2, 3 and 4 in turn; a guest out of turn is not heard.
TEST_F(HostTest, MovesAreRelayedToAllGuestsOnlyFromTheSeatToMove)
{
    fourMembers();
    host.boot->BtnGameClick();
    clearInboxes();
    auto cell = [&] { return host.game().legalCells().front(); };
    const auto [c1, r1] = cell();
    host.match().TableSelectCell(c1, r1);
    EXPECT_FALSE(host.boardOpen());
    for (auto& g : guests) {
        ASSERT_TRUE(g->waitFor(1));
        EXPECT_EQ(g->heard.last(), QStringList({"4", "2", QString::number(c1), QString::number(r1)}));
    }

    // Seat 4 speaks out of turn: nothing changes, nothing is relayed.
    const auto board = host.game().board();
    const auto [fc, fr] = cell();
    guests[2]->say(net::moveMessage(1, fc, fr));
    guests[0]->settle();
    EXPECT_EQ(host.game().board(), board);
    EXPECT_EQ(guests[0]->heard.size(), 1);

    for (int seat = 2; seat <= 4; ++seat) {
        const int next = seat == 4 ? 1 : seat + 1;
        guests[seat - 2]->say(net::moveMessage(next, -1, -1));
        for (auto& g : guests) {
            ASSERT_TRUE(g->waitFor(seat)) << seat;
            EXPECT_EQ(g->heard.last(), QStringList({"4", QString::number(next), "-1", "-1"}));
        }
        if (next == 1)
            EXPECT_TRUE(QTest::qWaitFor([&] { return host.boardOpen(); }, 2000)) << "once the moves before it show";
        else
            EXPECT_FALSE(host.boardOpen()) << seat;
    }
    EXPECT_TRUE(host.match().myTurn());
    EXPECT_EQ(host.game().passCount(), 3);
}

TEST_F(HostTest, MalformedMovesAreIgnored)
{
    fourMembers();
    host.boot->BtnGameClick();
    host.match().BtnPassClick();
    clearInboxes();
    guests[0]->say({"4", "3", "x", "1"});
    guests[0]->say({"4", "3", "2"});
    guests[0]->say({"4", "3", "99", "99"});
    guests[0]->settle();
    EXPECT_EQ(host.game().curPlayer(), 2);
    EXPECT_EQ(host.game().passCount(), 1);
    EXPECT_TRUE(guests[1]->heard.isEmpty());
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(HostTest, FailedSendClosesThatGuestAndTheRelayGoesOn)
{
    fourMembers();
    clearInboxes();
    // Bytes left unread in B's system buffer make B's abort reset the connection.
    guests[0]->socket->setReadBufferSize(1);
    guests[1]->say({"2", "C：unread"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return guests[0]->socket->bytesAvailable() > 0; }, 5000));
    guests[2]->settle();
    guests[2]->heard.clear();
    guests[0]->reset();
    QThread::msleep(20);
    control<QPlainTextEdit>(*host.boot, "EditMessage")->setPlainText(QStringLiteral("まだいる？"));
    host.boot->BtnSendClick();
    // The guest that went leaves the list as if it had said goodbye; the others hear both.
    for (int i : {1, 2}) {
        ASSERT_TRUE(guests[i]->waitFor(2));
        EXPECT_TRUE(guests[i]->heard.contains(QStringList({"2", QStringLiteral("A：まだいる？")})));
        EXPECT_EQ(guests[i]->heard.last(), QStringList({"1", left("B"), "A", "C", "D"}));
    }
    EXPECT_EQ(host.boot->station().connectionCount(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.messages.isEmpty(); }, 5000));
    EXPECT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].startsWith(QStringLiteral("Windows ソケットエラー： ")));
    EXPECT_EQ(host.members(), QStringList({"A", "C", "D"}));
}

TEST_F(HostTest, GuestThatClosesWithoutLeavingLeavesTheListQuietly)
{
    join("B");
    join("C");
    clearInboxes();
    guests[0]->socket->disconnectFromHost();
    ASSERT_TRUE(guests[1]->waitFor(1));
    EXPECT_EQ(guests[1]->heard, Messages({{"1", left("B"), "A", "C"}}));
    EXPECT_EQ(host.members(), QStringList({"A", "C"}));
    EXPECT_EQ(host.boot->station().connectionCount(), 1);
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(HostTest, ResetConnectionIsAReceiveFailureAndLeavesTheList)
{
    join("B");
    join("C");
    clearInboxes();
    guests[0]->reset();
    ASSERT_TRUE(guests[1]->waitFor(1));
    EXPECT_EQ(guests[1]->heard, Messages({{"1", left("B"), "A", "C"}}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.messages.isEmpty(); }, 5000));
    EXPECT_EQ(errors.messages, QStringList({net::socketErrorText(ECONNRESET, "recv") + u'.'}));
}

TEST_F(HostTest, StoppingDuringAGameClosesEveryGuestAndKeepsTheGameWindow)
{
    fourMembers();
    host.boot->BtnGameClick();
    host.boot->BtnOutClick();
    for (auto& g : guests)
        EXPECT_TRUE(QTest::qWaitFor([&] { return g->socket->state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_TRUE(host.members().isEmpty());
    EXPECT_TRUE(host.form->isVisible());
    EXPECT_FALSE((host.station.state() == match::Station::State::Hosting));
    EXPECT_EQ(host.chat().last(), QStringLiteral("◆サーバーを終了しました"));
    EXPECT_EQ(host.boot->windowTitle(), QStringLiteral("対戦ゲム　ロビー"));
    EXPECT_TRUE(host.allEnabled({"BtnStart", "BoxName", "Method"}));
    EXPECT_TRUE(host.noneEnabled({"BtnOut", "BtnGame"}));
}

TEST_F(HostTest, ConnectionThatNeverJoinedHearsNothingAndGetsNoSeat)
{
    RawPeer idle(Sender::Host);
    ASSERT_TRUE(idle.connectTo(port));
    fourMembers();
    control<QPlainTextEdit>(*host.boot, "EditMessage")->setPlainText(QStringLiteral("やあ"));
    host.boot->BtnSendClick();
    host.boot->BtnGameClick();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(guests[i]->waitFor(guests[i]->heard.size() + 2));
        EXPECT_EQ(net::parseStart(guests[i]->heard.last())->seat, i + 2);
    }
    idle.settle();
    EXPECT_TRUE(idle.bytes.isEmpty());
}

TEST_F(HostTest, AMemberBeyondTheFourthWatches)
{
    fourMembers();
    RawPeer& e = join("E");
    host.boot->BtnGameClick();
    ASSERT_TRUE(e.waitFor(2));
    EXPECT_EQ(net::parseStart(e.heard.last())->seat, 5);
}

class HostGame : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        fourMembers();
        host.boot->BtnGameClick();
        host.match().BtnPassClick(); // seat 2 is to move
        clearInboxes();
    }
    // What the guest of `seat` sends, and whether the others heard anything of it.
    bool relayed(int seat, const QStringList& move)
    {
        guests[seat - 2]->say(move);
        guests[0]->settle();
        guests[0]->settle();
        return !guests[0]->heard.isEmpty();
    }
};

TEST_F(HostGame, IllegalMoveNamingTheHostOpensNothingAndRaisesNoAlarm)
{
    EXPECT_FALSE(relayed(2, net::moveMessage(1, 0, 0)));
    EXPECT_FALSE(relayed(3, net::moveMessage(1, -1, -1))); // not seat 3's turn
    EXPECT_FALSE(host.boardOpen());
    EXPECT_FALSE(host.match().myTurn());
    EXPECT_EQ(host.game().curPlayer(), 2);
    // The host refused them: its board is not out of step with anyone's.
    EXPECT_TRUE(host.chat().filter(net::desyncNotice()).isEmpty());
    // The seat to move can still pass, and its pass counts.
    EXPECT_TRUE(relayed(2, net::moveMessage(3, -1, -1)));
    EXPECT_EQ(guests[0]->heard.last(), QStringList({"4", "3", "-1", "-1"}));
}

TEST_F(HostGame, LegalMoveNamingTheWrongNextSeatGoesOutWithTheHostsNextSeat)
{
    const auto [col, row] = host.game().legalCells().front();
    EXPECT_TRUE(relayed(2, net::moveMessage(1, col, row)));
    ASSERT_TRUE(guests[1]->waitFor(1));
    EXPECT_EQ(guests[1]->heard.last(), net::moveMessage(3, col, row));
    EXPECT_FALSE(host.boardOpen());
}

TEST_F(HostGame, ShortMoveIsNotCompletedByTheGuestsNextMessage)
{
    guests[0]->sayBytes("4\r\n3\r\n");
    QTest::qWait(net::QuietGapMs + 100);
    const auto [col, row] = host.game().legalCells().front();
    EXPECT_TRUE(relayed(2, net::moveMessage(3, col, row)));
    EXPECT_EQ(host.game().board()[col][row], 2);
    EXPECT_EQ(host.members(), QStringList({"A", "B", "C", "D"}));
}

TEST_F(HostTest, BadMessagesTakeNoGoodOnesWithThem)
{
    fourMembers();
    clearInboxes();
    guests[0]->sayBytes(net::encodeMessage(net::startMessage({8, 2, rules::Scoring::Points, 61, false}))
                        + net::encodeMessage({"2", QStringLiteral("B：まだ")}));
    ASSERT_TRUE(guests[1]->waitFor(1));
    EXPECT_EQ(guests[1]->heard, Messages({{"2", QStringLiteral("B：まだ")}}));
    RawPeer& e = *guests.emplace_back(std::make_unique<RawPeer>(Sender::Host));
    ASSERT_TRUE(e.connectTo(port));
    e.sayBytes(QByteArray(10 * 1024 * 1024, 'z') + "\r\n");
    e.say({"0", "E"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().size() == 5; }, 20000));
    EXPECT_EQ(host.members().last(), "E");
}

// A game without a limit keeps none, even if the slider moves while it runs.
TEST_F(HostTest, TimeLimitChangedDuringAGameWaitsForTheNextGame)
{
    fourMembers();
    control<ui::TExtTrackBar>(*host.boot, "TimeLimit")->setPosition(rules::NoLimit);
    host.boot->BtnGameClick();
    const auto [col, row] = host.game().legalCells().front();
    host.match().TableSelectCell(col, row);
    host.boot->Setting_enable(true);
    control<ui::TExtTrackBar>(*host.boot, "TimeLimit")->setPosition(5);
    for (int seat = 2; seat <= 4; ++seat)
        guests[seat - 2]->say(net::moveMessage(seat % 4 + 1, -1, -1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.match().myTurn(); }, 5000));
    EXPECT_FALSE(host.form->match().timersRunning());
}

TEST_F(HostTest, ChatLogKeepsTheLastTwoThousandLines)
{
    RawPeer& b = join("B");
    QByteArray flood;
    for (int i = 0; i < 3000; ++i)
        flood += net::encodeMessage({"2", QStringLiteral("B：%1").arg(i)});
    b.sayBytes(flood);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.chat().last() == QStringLiteral("B：2999"); }, 10000));
    EXPECT_EQ(control<QPlainTextEdit>(*host.boot, "Chat")->blockCount(), 2000);
}

int visibleBoxes()
{
    int boxes = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        boxes += qobject_cast<QMessageBox*>(w) && w->isVisible();
    return boxes;
}

// Connections come and go, half of them with a reset, while a guest chats: the failures share
// one box and the lobby still works for the next guest.
TEST_F(HostTest, ChurnOfConnectionsLeavesOneBoxAndAWorkingLobby)
{
    ui::resetErrorSink();
    RawPeer& chatter = join("B");
    for (int i = 0; i < 2000; ++i) {
        RawPeer peer(Sender::Host);
        ASSERT_TRUE(peer.connectTo(port));
        peer.say({"0", QStringLiteral("churn%1").arg(i)});
        chatter.say({"2", QStringLiteral("B：%1").arg(i)});
        if (i % 2)
            peer.reset();
        if (i % 50 == 0)
            QTest::qWait(1);
    }
    // The host takes a few new connections a turn: it is through once none came for a while.
    const auto& server = host.station;
    const auto settled = [&] {
        return server.connectionCount() == 1 && (QTest::qWait(300), server.connectionCount() == 1);
    };
    ASSERT_TRUE(QTest::qWaitFor(settled, 20000));
    EXPECT_LE(visibleBoxes(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the host's board and chat stay in play
    EXPECT_EQ(host.members(), QStringList({"A", "B"}));
    RawPeer& c = join("C");
    ASSERT_TRUE(c.waitFor(1));
    EXPECT_EQ(c.heard.last(), QStringList({"0", "A", "B", "C"}));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w))
            w->close();
}

TEST_F(HostTest, ClosingTheLobbyLeavesNothingListening)
{
    join("B");
    host.boot->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return guests[0]->socket->state() == QAbstractSocket::UnconnectedState; }, 5000));
    RawPeer late(Sender::Host);
    EXPECT_FALSE(late.connectTo(port));
}

} // namespace

// Hosting fails at its first step that fails: name, port and Start stay usable for another try.
class HostStartFailure : public testing::Test {
protected:
    void start(const QString& portText)
    {
        control<QLineEdit>(*program.boot, "BoxPort")->setText(portText);
        ui::guarded([&] { program.boot->BtnStartClick(); });
        EXPECT_TRUE(program.allEnabled({"BoxName", "BoxPort"}));
        EXPECT_TRUE(control<QPushButton>(*program.boot, "BtnStart")->isEnabled());
        EXPECT_TRUE(program.members().isEmpty());
        EXPECT_TRUE(program.chat().isEmpty());
    }
    ErrorCollector errors;
    Program program{A};
};

TEST_F(HostStartFailure, AnotherPortCanBeTriedAtOnce)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    start(QString::number(taken.serverPort()));
    control<QLineEdit>(*program.boot, "BoxPort")->setText(QStringLiteral("0"));
    program.boot->BtnStartClick();
    EXPECT_TRUE((program.station.state() == match::Station::State::Hosting));
    EXPECT_EQ(program.members(), QStringList({"A"}));
}

TEST_F(HostStartFailure, PortInUseNamesBind)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    start(QString::number(taken.serverPort()));
    EXPECT_EQ(errors.messages,
              QStringList({QStringLiteral("Windows ソケットエラー： Address already in use (98) [API 'bind'].")}));
}

TEST_F(HostStartFailure, PortThatIsNoIntegerIsNamed)
{
    start(QStringLiteral("18a"));
    EXPECT_EQ(errors.messages, QStringList({QStringLiteral("'18a' は整数ではありません.")}));
}

namespace {

// How a guest can go in the middle of a game.
enum class Going { Goodbye, Close, Reset };

class LostSeat : public HostTest, public testing::WithParamInterface<Going> {};

// Seat 3 goes while seat 2 is to move: the host says so, then plays seat 3 on each of its turns.
TEST_P(LostSeat, IsPlayedByTheHostFromItsNextTurnOn)
{
    fourMembers();
    host.boot->BtnGameClick();
    host.match().BtnPassClick();
    clearInboxes();
    RawPeer& c = *guests[1];
    switch (GetParam()) {
    case Going::Goodbye: c.say({"1", "C"}); break;
    case Going::Close: c.socket->disconnectFromHost(); break;
    case Going::Reset: c.reset(); break;
    }
    RawPeer& b = *guests[0];
    ASSERT_TRUE(b.waitFor(1));
    EXPECT_EQ(b.heard[0], QStringList({"1", left("C"), "A", "B", "D"}));
    b.say(net::moveMessage(3, -1, -1));
    // The table's notice, then a move for seat 3 within five seconds, relayed like any move.
    ASSERT_TRUE(b.waitFor(4)) << b.heard.size() << " " << (b.heard.isEmpty() ? "" : b.heard.last().join(u'|').toStdString());
    const QString notice = QStringLiteral("A：3番席（C）はコンピューターが打ちます");
    EXPECT_EQ(b.heard[2], QStringList({"2", notice}));
    EXPECT_EQ(b.heard[3].value(0), "4");
    EXPECT_EQ(b.heard[3].value(1), "4") << "seat 4 moves next";
    EXPECT_EQ(host.game().curPlayer(), 4);
    EXPECT_TRUE(host.chat().contains(notice));
}

INSTANTIATE_TEST_SUITE_P(Ways, LostSeat, testing::Values(Going::Goodbye, Going::Close, Going::Reset),
                         [](const auto& info) {
                             return std::string(info.param == Going::Goodbye ? "Goodbye"
                                                : info.param == Going::Close ? "Close"
                                                                             : "Reset");
                         });

// With a time limit, a seat whose station stays silent passes after the limit and a grace.
TEST_F(HostTest, SilentSeatPassesOnceItsTimeAndAGraceHaveGone)
{
    fourMembers();
    host.match().setSecondMs(100);
    control<ui::TExtTrackBar>(*host.boot, "TimeLimit")->setPosition(5);
    host.boot->BtnGameClick();
    host.match().BtnPassClick();
    clearInboxes();
    RawPeer& d = *guests[2];
    ASSERT_TRUE(d.waitFor(1)) << "the host passes for seat 2";
    EXPECT_EQ(d.heard[0], QStringList({"4", "3", "-1", "-1"}));
    // Nobody moves at all: four passes in a row end the game.
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.game().gameOver(); }, 5000));
}

} // namespace

namespace {

// The moves of the host's game as it relayed them: each with the seat to move after it.
Messages relayedMoves(const rules::Game& game)
{
    auto replay = rules::Position::newGame(game.boardSize(), game.scoring(), game.rotation());
    Messages moves;
    for (const rules::Cell cell : game.moves())
        moves << net::moveMessage(replay.play(cell).next, cell.col, cell.row);
    return moves;
}

// Seat 3 goes while seat 2 is to move and the host's computer takes it; seat 2 passes, so the
// computer is on seat 3's turn (slowly) when the player joins again under its name.
TEST_F(HostTest, ReturningPlayerCatchesUpAndHasItsSeatBackOnce)
{
    const int pause = std::exchange(match::ComputerSeat::movePauseMs, 1500);
    fourMembers();
    host.boot->BtnGameClick();
    host.match().BtnPassClick();
    guests[1]->socket->disconnectFromHost();
    RawPeer& b = *guests[0];
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.boot->station().keeper().playsSeat(3); }, 5000));
    b.say(net::moveMessage(3, -1, -1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.game().curPlayer() == 3; }, 5000));
    RawPeer& c = *guests.emplace_back(std::make_unique<RawPeer>(Sender::Host));
    ASSERT_TRUE(c.connectTo(port));
    c.say({"0", "c"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.members().contains("c"); }, 5000));
    EXPECT_FALSE(host.boot->station().keeper().playsSeat(3));
    EXPECT_EQ(host.members(), QStringList({"A", "B", "c", "D"})) << "back at its seat's place";
    const Messages moves = relayedMoves(host.game());
    ASSERT_TRUE(c.waitFor(4 + moves.size()));
    c.settle();
    match::ComputerSeat::movePauseMs = pause;
    EXPECT_EQ(c.heard.value(0), QStringList({"0", "A", "B", "c", "D"}));
    b.settle();
    const auto started = std::find_if(b.heard.begin(), b.heard.end(), [](auto& m) { return m.value(0) == "3"; });
    ASSERT_NE(started, b.heard.end());
    QStringList start = *started;
    start[2] = "3";
    EXPECT_EQ(c.heard.value(1), net::catchUpMessage(true));
    EXPECT_EQ(c.heard.value(2), start) << "the game's settings, with seat 3";
    EXPECT_EQ(c.heard.mid(3, moves.size()), moves);
    EXPECT_EQ(c.heard.value(3 + moves.size()), net::catchUpMessage(false));
    EXPECT_EQ(host.game().moves().size(), 2u) << "the computer's search was dropped";
    // Once caught up, its own move counts and is relayed; the computer never moves for seat 3 again.
    QTest::qWait(2 * match::TableKeeper::ApartMs);
    const auto [col, row] = host.game().legalCells().front();
    c.say(net::moveMessage(4, col, row));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.game().curPlayer() == 4; }, 5000));
    guests[2]->say(net::moveMessage(1, -1, -1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.match().myTurn(); }, 5000));
    host.match().BtnPassClick();
    b.say(net::moveMessage(3, -1, -1));
    QTest::qWait(2000);
    EXPECT_EQ(host.game().curPlayer(), 3);
    EXPECT_EQ(host.game().moves().size(), 6u);
    c.settle();
    Messages heardMoves = c.heard.mid(3);
    heardMoves.removeAll(net::catchUpMessage(false));
    EXPECT_EQ(heardMoves, relayedMoves(host.game())) << "each move once, in order";
}

} // namespace
