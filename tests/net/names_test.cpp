#include "net/message.h"
#include "tests/support/namedcase.h"
#include "net/names.h"

#include <gtest/gtest.h>

using net::acceptName;

namespace {

struct NameCase : NamedCase {
    QString given;
    QStringList taken;
    QString accepted;
};

class AcceptedName : public testing::TestWithParam<NameCase> {};

TEST_P(AcceptedName, NeverReadsAsAnotherLineAndFitsTheLimit)
{
    const NameCase& c = GetParam();
    const QString accepted = acceptName(c.given, c.taken);
    EXPECT_EQ(accepted, c.accepted);
    EXPECT_LE(net::encodeMessage({accepted}).size() - 2, net::MaxNameBytes);
}

INSTANTIATE_TEST_SUITE_P(Names, AcceptedName, testing::Values(
    NameCase{{"Plain"}, "Bob", {}, "Bob"},
    NameCase{{"Duplicate"}, "Bob", {"A", "Bob"}, "Bob"},
    NameCase{{"Controls"}, "B\to\rb\x01", {}, "Bob"},
    NameCase{{"Empty"}, "", {"A"}, QStringLiteral("ゲスト1")},
    NameCase{{"OnlyControls"}, "\r\n", {}, QStringLiteral("ゲスト1")},
    NameCase{{"Digits"}, "61", {"A", QStringLiteral("ゲスト1")}, QStringLiteral("ゲスト2")},
    NameCase{{"Negative"}, "-1", {}, QStringLiteral("ゲスト1")},
    NameCase{{"Marker"}, QStringLiteral("◆A氏の来訪"), {}, QStringLiteral("ゲスト1")},
    NameCase{{"DigitsWithText"}, "3rd", {}, "3rd"},
    NameCase{{"LongAscii"}, QString(2000, u'x'), {}, QString(24, u'x')},
    // 13 two-byte characters are 26 bytes: the thirteenth would be cut in half, so it goes.
    NameCase{{"LongJapanese"}, QString(13, QChar(u'緑')), {}, QString(12, QChar(u'緑'))},
    NameCase{{"OddCut"}, QStringLiteral("a") + QString(12, QChar(u'緑')), {}, QStringLiteral("a") + QString(11, QChar(u'緑'))},
    NameCase{{"ChatColon"}, QStringLiteral("Alice：hi"), {}, "Alicehi"},
    NameCase{{"NoticeEnding"}, QStringLiteral("Bob氏の来訪"), {}, "Bob"},
    NameCase{{"NoticeEndingTwice"}, QStringLiteral("Bob氏の退室 氏の来訪"), {}, "Bob"},
    NameCase{{"OnlyANoticeEnding"}, QStringLiteral("氏の退室"), {}, QStringLiteral("ゲスト1")},
    NameCase{{"FullWidthDigit"}, QStringLiteral("３"), {}, QStringLiteral("ゲスト1")},
    NameCase{{"FullWidthNegative"}, QStringLiteral("－１"), {}, QStringLiteral("ゲスト1")},
    NameCase{{"SpaceBeforeDigit"}, " 3", {}, QStringLiteral("ゲスト1")},
    NameCase{{"OnlySpaces"}, QStringLiteral(" 　 "), {}, QStringLiteral("ゲスト1")},
    NameCase{{"Margins"}, QStringLiteral("　Bob "), {}, "Bob"}),
    byName);

class MemberName : public testing::TestWithParam<NameCase> {};

TEST_P(MemberName, NeverPassesForAnotherMember)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(net::memberName(c.given, c.taken), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Names, MemberName, testing::Values(
    NameCase{{"Free"}, "Bob", {"Host1"}, "Bob"},
    NameCase{{"Second"}, "Host1", {"Host1"}, "Host12"},
    NameCase{{"Third"}, "Alice", {"A", "Alice", "Alice2"}, "Alice3"},
    NameCase{{"OtherCase"}, "alice", {"Alice"}, "alice2"},
    NameCase{{"OtherWidth"}, QStringLiteral("Ａｌｉｃｅ"), {"Alice"}, QStringLiteral("Ａｌｉｃｅ2")},
    NameCase{{"LongName"}, QString(24, u'x'), {QString(24, u'x')}, QString(23, u'x') + u'2'},
    NameCase{{"LoneSign"}, "-", {"-"}, QStringLiteral("ゲスト1")},
    NameCase{{"GuestNumberInOtherWidth"}, "-", {"Host1", QStringLiteral("ｹﾞｽﾄ1"), "-"}, QStringLiteral("ゲスト2")},
    NameCase{{"CyrillicO"}, QStringLiteral("Hоst1"), {"Host1"}, QStringLiteral("Hоst12")},
    NameCase{{"GreekCapitals"}, QStringLiteral("ΤΟΜ"), {"Tom"}, QStringLiteral("ΤΟΜ2")},
    NameCase{{"KanjiForKatakana"}, QStringLiteral("力ナ一"), {QStringLiteral("カナー")}, QStringLiteral("力ナ一2")}),
    byName);

} // namespace

namespace {

struct CarriedCase : NamedCase {
    QString typed;
    QString carried;
};

class CarriedName : public testing::TestWithParam<CarriedCase> {};

// What a peer echoes back is the name that went: the accepted name survives its own bytes.
TEST_P(CarriedName, IsWhatShiftJisBringsBack)
{
    const QString accepted = acceptName(GetParam().typed, {});
    EXPECT_EQ(accepted, GetParam().carried);
    EXPECT_EQ(net::splitLines(net::encodeMessage({accepted})), QStringList{accepted});
}

INSTANTIATE_TEST_SUITE_P(Names, CarriedName, testing::Values(
    CarriedCase{{"Accent"}, QStringLiteral("José"), "Jose"},
    CarriedCase{{"AccentDecomposed"}, QStringLiteral("Jose\u0301"), "Jose"},
    CarriedCase{{"Umlaut"}, QStringLiteral("Müller"), "Muller"},
    CarriedCase{{"WaveDash"}, QStringLiteral("たろう〜"), QStringLiteral("たろう～")},
    CarriedCase{{"EmDash"}, QStringLiteral("a—b"), QStringLiteral("a―b")},
    CarriedCase{{"Minus"}, QStringLiteral("a−b"), QStringLiteral("a－b")},
    CarriedCase{{"Yen"}, QStringLiteral("¥100"), QStringLiteral("￥100")},
    CarriedCase{{"Emoji"}, QStringLiteral("Ann😀"), "Ann?"},
    CarriedCase{{"EmojiWithJoiner"}, QStringLiteral("Ann👩\u200D💻"), "Ann??"},
    CarriedCase{{"Hangul"}, QStringLiteral("김"), "?"}),
    byName);

} // namespace
