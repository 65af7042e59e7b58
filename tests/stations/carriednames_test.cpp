#include "net/lobbymessages.h"
#include "tests/support/controls.h"
#include "tests/net/rawpeer.h"
#include "tests/stations/program.h"
#include "tests/support/namedcase.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TypedName : NamedCase {
    QString typed;
    QString carried;
};

// A guest whose name Shift_JIS cannot carry as typed, joining last.
class CarriedNames : public testing::TestWithParam<TypedName> {
protected:
    // The host lists three members before the guest, then starts a game with the guest's seat.
    void startAgainst(RawPeer& host)
    {
        ASSERT_TRUE(host.waitFor(1));
        // Echoes the join's bytes unchanged, as any host that keeps names as bytes does.
        host.sayBytes("0\r\nA\r\nC\r\nD\r\n" + host.bytes.sliced(3));
        ASSERT_TRUE(QTest::qWaitFor([&] { return guest.members().size() == 4; }, 5000));
        host.say(net::startMessage({8, 4, rules::Scoring::Count, rules::NoLimit, false}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return guest.form->isVisible(); }, 5000));
    }

    ErrorCollector errors;
    Program guest{GetParam().typed};
};

TEST_P(CarriedNames, GuestOfAHostThatEchoesBytesGetsItsListAndItsGame)
{
    RawHost rawHost;
    guest.join(rawHost.port());
    const auto host = rawHost.accept();
    ASSERT_TRUE(host);
    startAgainst(*host);
    EXPECT_EQ(guest.members(), QStringList({"A", "C", "D", GetParam().carried}));
    EXPECT_EQ(control<QLineEdit>(*guest.boot, "BoxName")->text(), GetParam().carried)
        << "the box shows the name as it travels";
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST_P(CarriedNames, GuestOfOurHostIsListedAlikeOnBothSides)
{
    Program host{QStringLiteral("A")};
    guest.join(host.host());
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.members().size() == 2; }, 5000));
    EXPECT_EQ(guest.members(), QStringList({"A", GetParam().carried}));
    EXPECT_EQ(host.members(), guest.members());
}

INSTANTIATE_TEST_SUITE_P(, CarriedNames, testing::Values(
    TypedName{{"Accent"}, QStringLiteral("José"), "Jose"},
    TypedName{{"WaveDash"}, QStringLiteral("たろう〜"), QStringLiteral("たろう～")},
    TypedName{{"Dashes"}, QStringLiteral("a—b−c"), QStringLiteral("a―b－c")},
    TypedName{{"Yen"}, QStringLiteral("¥Ann"), QStringLiteral("￥Ann")},
    TypedName{{"Emoji"}, QStringLiteral("Ann😀"), "Ann?"}),
    byName);

// The last member's name comes as bytes of another code page (a Korean letter of code page 949),
// whose last byte would take the first of "氏" in the notice: the notice still lists it, so the
// start for this guest's seat opens the game.
TEST(ForeignName, JoinNoticeOfANameCodePage932CannotReadStillCompletesTheList)
{
    ErrorCollector errors;
    Program guest{QStringLiteral("B")};
    RawHost rawHost;
    guest.join(rawHost.port());
    const auto host = rawHost.accept();
    ASSERT_TRUE(host && host->waitFor(1));
    const QByteArray foreign = "\xb1\xe8";
    host->sayBytes("0\r\nA\r\nC\r\nB\r\n");
    QTest::qWait(30);
    host->sayBytes("1\r\n\x81\x9f" + foreign + "\x8e\x81\x82\xcc\x97\x88\x96\x4b\r\nA\r\nC\r\nB\r\n" + foreign + "\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.members().size() == 4; }, 5000)) << guest.members().join(u',').toStdString();
    host->say(net::startMessage({8, 3, rules::Scoring::Count, rules::NoLimit, false}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return guest.form->isVisible(); }, 5000));
    EXPECT_EQ(guest.game().mySeat(), 3);
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join(u'\n').toStdString();
}

} // namespace
