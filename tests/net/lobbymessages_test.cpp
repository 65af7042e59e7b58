#include "net/lobbymessages.h"
#include "tests/support/namedcase.h"
#include "net/plainmessage.h"
#include "net/socketerror.h"
#include "rules/failure.h"

#include <gtest/gtest.h>

using namespace net;

struct NoticeCase : NamedCase {
    QStringList before;
    QString notice;
    QList<QStringList> after;
};

class ListAfterNotice : public testing::TestWithParam<NoticeCase> {};

// What a guest expects after a notice: a join appends (or puts a returning player back after the
// host), a leave takes one entry of the name.
TEST_P(ListAfterNotice, ChangesTheListBeforeByOneName)
{
    const NoticeCase& c = GetParam();
    EXPECT_EQ(listsAfterNotice(c.before, c.notice), c.after);
}

INSTANTIATE_TEST_SUITE_P(Notices, ListAfterNotice, testing::Values(
    NoticeCase{{"Join"}, {"A", "B", "D"}, QStringLiteral("◆C氏の来訪"), {{"A", "B", "D", "C"}, {"A", "B", "C", "D"}, {"A", "C", "B", "D"}}},
    NoticeCase{{"LeaveMiddle"}, {"A", "B", "C", "D"}, QStringLiteral("◆C氏の退室"), {{"A", "B", "D"}}},
    NoticeCase{{"LeaveOtherCase"}, {"A", "bob", "C"}, QStringLiteral("◆BOB氏の退室"), {{"A", "C"}}},
    NoticeCase{{"LeaveOfTwins"}, {"A", "B", "x", "B"}, QStringLiteral("◆B氏の退室"), {{"A", "x", "B"}, {"A", "B", "x"}}},
    NoticeCase{{"LeaveUnknown"}, {"A", "B"}, QStringLiteral("◆Z氏の退室"), {{"A", "B"}}},
    NoticeCase{{"NotANotice"}, {"A"}, QStringLiteral("◆Z"), {}}),
    byName);

TEST(StartMessage, RotationIsOnOnlyForExactlyOne)
{
    for (const char* text : {"0", "2", "01", " 1", "", "true"})
        EXPECT_FALSE(parseStart({"3", "8", "2", "0", "61", text})->rotation) << text;
    EXPECT_TRUE(parseStart({"3", "8", "2", "0", "61", "1"})->rotation);
}

struct MoveCase : NamedCase {
    QStringList lines;
    std::optional<Move> move;
};

class MoveLines : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveLines, ReadAsAPlacementAPassOrNothing)
{
    const auto read = parseMove(GetParam().lines);
    const auto& expected = GetParam().move;
    ASSERT_EQ(read.has_value(), expected.has_value());
    if (!read)
        return;
    EXPECT_EQ(read->turnSeat, expected->turnSeat);
    EXPECT_EQ(read->col, expected->col);
    EXPECT_EQ(read->row, expected->row);
}

INSTANTIATE_TEST_SUITE_P(ParseMove, MoveLines, testing::Values(
    MoveCase{{"Placement"}, {"4", "2", "5", "7"}, Move{2, 5, 7}},
    MoveCase{{"Pass"}, {"4", "1", "-1", "-1"}, Move{1, -1, -1}},
    MoveCase{{"PassWithARowIsStillAPass"}, {"4", "1", "-1", "7"}, Move{1, -1, -1}},
    MoveCase{{"PassWithoutARow"}, {"4", "3", "-1"}, Move{3, -1, -1}},
    MoveCase{{"NoRow"}, {"4", "2", "5"}, std::nullopt},
    MoveCase{{"NoColumn"}, {"4", "2"}, std::nullopt},
    MoveCase{{"LetterForColumn"}, {"4", "2", "a", "7"}, std::nullopt},
    MoveCase{{"LetterForSeat"}, {"4", "b", "5", "7"}, std::nullopt},
    MoveCase{{"LetterForRow"}, {"4", "2", "5", "7x"}, std::nullopt}),
    byName);

TEST(PortNumber, TakesDecimalIntegersOnly)
{
    EXPECT_EQ(portNumber("18389", "bind"), 18389);
    EXPECT_EQ(portNumber("0", "bind"), 0);
    for (const QString& text : {QString("12a"), QString(""), QString(" 80"), QString("0x50"), QStringLiteral("８０")}) {
        try {
            portNumber(text, "bind");
            ADD_FAILURE() << "accepted " << text.toStdString();
        } catch (const Failure& f) {
            EXPECT_EQ(f.text(), QStringLiteral("'") + text + QStringLiteral("' は整数ではありません"));
        }
    }
}

TEST(PortNumber, IntegerBeyondThePortsFailsAsTheSocketCallWould)
{
    for (const char* text : {"65536", "-1", "2147483647"}) {
        try {
            portNumber(text, "connect");
            ADD_FAILURE() << "accepted " << text;
        } catch (const Failure& f) {
            EXPECT_TRUE(f.text().startsWith(QStringLiteral("Windows ソケットエラー： "))) << f.what();
            EXPECT_TRUE(f.text().endsWith(QStringLiteral("[API 'connect']"))) << f.what();
        }
    }
    EXPECT_EQ(portNumber("65535", "bind"), 65535);
}

TEST(SocketErrorText, NamesTheSystemTextNumberAndCall)
{
    EXPECT_EQ(socketErrorText(EADDRINUSE, "bind"),
              QStringLiteral("Windows ソケットエラー： Address already in use (98) [API 'bind']"));
    EXPECT_EQ(asyncSocketErrorText(errnoFor(QAbstractSocket::NetworkError)), QStringLiteral("非同期ソケットエラー 100"));
}
