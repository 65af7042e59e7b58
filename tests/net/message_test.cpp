#include "net/message.h"
#include "tests/support/namedcase.h"

#include <gtest/gtest.h>

using net::encodeMessage;
using net::MaxMessageBytes;
using net::splitLines;

namespace {

// "2" and a chat line of ASCII that makes the whole message `total` bytes long with its breaks.
QStringList chatOfSize(int total)
{
    return {"2", QString(total - 5, u'x')};
}

struct WorkedExample : NamedCase {
    QStringList lines;
    QByteArray hex;
};

class WireForm : public testing::TestWithParam<WorkedExample> {};

TEST_P(WireForm, MatchesTheBytesOnTheWireAndReadsBack)
{
    const WorkedExample& example = GetParam();
    const QByteArray wire = encodeMessage(example.lines);
    EXPECT_EQ(wire.toHex(' '), example.hex);
    EXPECT_EQ(splitLines(wire), example.lines);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, WireForm, testing::Values(
    WorkedExample{{"Move"}, {"4", "2", "5", "7"}, "34 0d 0a 32 0d 0a 35 0d 0a 37 0d 0a"},
    WorkedExample{{"Pass"}, {"4", "4", "-1", "-1"}, "34 0d 0a 34 0d 0a 2d 31 0d 0a 2d 31 0d 0a"},
    WorkedExample{{"Start"}, {"3", "8", "3", "0", "61", "1"},
                  "33 0d 0a 38 0d 0a 33 0d 0a 30 0d 0a 36 31 0d 0a 31 0d 0a"},
    WorkedExample{{"JapaneseMarkers"}, {"1", "◆B氏の来訪", "A：B"},
                  "31 0d 0a 81 9f 42 8e 81 82 cc 97 88 96 4b 0d 0a 41 81 46 42 0d 0a"}),
    byName);

TEST(EncodeMessage, ThousandBytesGoWhole)
{
    const QByteArray wire = encodeMessage(chatOfSize(1000));
    EXPECT_EQ(wire.size(), 1000);
    EXPECT_TRUE(wire.endsWith("\r\n"));
}

TEST(EncodeMessage, ThousandAndOneBytesLoseTheFinalLfButEveryLineStillReads)
{
    const QStringList lines = chatOfSize(1001);
    const QByteArray wire = encodeMessage(lines);
    EXPECT_EQ(wire.size(), 1000);
    EXPECT_TRUE(wire.endsWith("x\r"));
    EXPECT_EQ(splitLines(wire), lines);
}

TEST(EncodeMessage, LongTextIsCutInsideALineAndTheLinesAfterAreLost)
{
    const QByteArray wire = encodeMessage({"2", QString(1200, u'y'), "after"});
    EXPECT_EQ(wire.size(), MaxMessageBytes);
    EXPECT_EQ(splitLines(wire), QStringList({"2", QString(997, u'y')}));
}

TEST(EncodeMessage, CutInsideATwoByteCharacterDropsItsHalf)
{
    // "2\r\n" + 996 ASCII bytes puts the lead byte of "あ" (82 A0) at byte 999, the last one.
    const QString ascii(996, u'z');
    const QByteArray wire = encodeMessage({"2", ascii + QStringLiteral("あ")});
    ASSERT_EQ(wire.size(), MaxMessageBytes);
    EXPECT_EQ(quint8(wire.back()), 0x82);
    EXPECT_EQ(splitLines(wire), QStringList({"2", ascii}));
}

struct Breaks : NamedCase {
    QByteArray bytes;
};

class LineBreaks : public testing::TestWithParam<Breaks> {};

TEST_P(LineBreaks, AllGiveTheSameLinesWithTheEmptyOneKept)
{
    EXPECT_EQ(splitLines(GetParam().bytes), QStringList({"1", "", "◆", "x"}));
}

INSTANTIATE_TEST_SUITE_P(SplitLines, LineBreaks, testing::Values(
    Breaks{{"CrLf"}, "1\r\n\r\n\x81\x9f\r\nx\r\n"},
    Breaks{{"LoneCr"}, "1\r\r\x81\x9f\rx\r"},
    Breaks{{"LoneLf"}, "1\n\n\x81\x9f\nx\n"},
    Breaks{{"Mixed"}, "1\n\r\x81\x9f\r\nx"},
    Breaks{{"NoFinalBreak"}, "1\r\n\r\n\x81\x9f\r\nx"}),
    byName);

TEST(SplitLines, NulEndsTheText)
{
    EXPECT_EQ(splitLines(QByteArray("4\r\n2\0\r\n5\r\n", 9)), QStringList({"4", "2"}));
    EXPECT_TRUE(splitLines(QByteArray("\0" "4\r\n", 4)).isEmpty());
}

TEST(SplitLines, NothingOrOneBreakGivesNoOrOneEmptyLine)
{
    EXPECT_TRUE(splitLines("").isEmpty());
    EXPECT_EQ(splitLines("\r\n"), QStringList({""}));
}

TEST(SplitLines, BytesThatAreNoCharacterStillGiveOneLineEach)
{
    const QStringList lines = splitLines("\x80\xff\r\n\x81\r\nok\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[0].isEmpty());
    EXPECT_EQ(lines[2], "ok");
}

// A name in another code page, whose last byte would take the first of "氏" (0x8E 0x81) as its
// own, reads in its notice as in its member list's line.
TEST(SplitLines, ANoticesNameReadsAsItsListLineWhateverItsBytes)
{
    const std::pair<QByteArray, QString> endings[] = {{"\x8e\x81\x82\xcc\x97\x88\x96\x4b", QStringLiteral("氏の来訪")},
                                                      {"\x8e\x81\x82\xcc\x91\xde\x8e\xba", QStringLiteral("氏の退室")}};
    for (const QByteArray& name : {QByteArray("\xb1\xe8"), QByteArray("\xe8"), QByteArray("\xc3\xa9"), QByteArray("\x81\xff")})
        for (const auto& [bytes, ending] : endings) {
            const QStringList lines = splitLines("1\r\n\x81\x9f" + name + bytes + "\r\n" + name + "\r\n");
            ASSERT_EQ(lines.size(), 3);
            EXPECT_EQ(lines[1], QStringLiteral("◆") + lines[2] + ending) << name.toHex().toStdString();
        }
}

struct Number : NamedCase {
    const char* text;
    std::optional<int> value;
};

void PrintTo(const Number& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class LineNumber : public testing::TestWithParam<Number> {};

TEST_P(LineNumber, ReadsPlainDecimalOnly)
{
    const QStringList message{"4", QString::fromUtf8(GetParam().text)};
    EXPECT_EQ(net::lineNumber(message, 1), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineNumber, testing::Values(
    Number{{"Zero"}, "0", 0}, Number{{"Negative"}, "-1", -1}, Number{{"LeadingZeros"}, "007", 7},
    Number{{"Largest"}, "2147483647", 2147483647}, Number{{"Smallest"}, "-2147483648", -2147483647 - 1},
    Number{{"OneTooLarge"}, "2147483648", std::nullopt}, Number{{"TwentyDigits"}, "99999999999999999999", std::nullopt},
    Number{{"Empty"}, "", std::nullopt}, Number{{"MinusAlone"}, "-", std::nullopt},
    Number{{"PlusSign"}, "+1", std::nullopt}, Number{{"LeadingSpace"}, " 1", std::nullopt},
    Number{{"TrailingLetter"}, "1a", std::nullopt}, Number{{"FullWidthDigit"}, "１", std::nullopt}),
    byName);

TEST(LineNumber, MissingLinesAreNoNumber)
{
    const QStringList message{"4", "2"};
    EXPECT_EQ(net::lineNumber(message, 0), 4);
    EXPECT_EQ(net::lineNumber(message, 2), std::nullopt);
    EXPECT_EQ(net::lineNumber(message, -1), std::nullopt);
    EXPECT_EQ(net::lineNumber({}, 0), std::nullopt);
}

} // namespace
