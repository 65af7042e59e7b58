#include "net/messagebuffer.h"
#include "tests/support/namedcase.h"
#include "net/message.h"

#include <gtest/gtest.h>

using net::encodeMessage;
using net::MessageBuffer;
using net::Sender;
using Messages = QList<QStringList>;

namespace {

// Feeds the reads one after another, taking every whole message after each; a guest that
// receives them joined as B.
Messages receive(Sender from, const QList<QByteArray>& reads)
{
    MessageBuffer buffer(from);
    buffer.setOwnName(QStringLiteral("B"));
    Messages out;
    for (const QByteArray& read : reads) {
        buffer.append(read);
        buffer.drained();
        while (auto message = buffer.next())
            out << *message;
    }
    return out;
}

const QStringList Move{"4", "2", "5", "7"};
const QStringList Chat{"2", "B：こんにちは"};
const QStringList Start{"3", "8", "3", "0", "61", "1"};

TEST(MessageBuffer, TwoMessagesInOneReadComeOutInOrder)
{
    EXPECT_EQ(receive(Sender::Guest, {encodeMessage(Chat) + encodeMessage(Move)}), Messages({Chat, Move}));
    EXPECT_EQ(receive(Sender::Host, {encodeMessage(Start) + encodeMessage(Move)}), Messages({Start, Move}));
}

TEST(MessageBuffer, ManyMessagesBeyondTheSizeLimitInOneReadAllComeOut)
{
    QByteArray read;
    Messages sent;
    for (int i = 0; i < 300; ++i) {
        sent << QStringList{"4", QString::number(i % 4 + 1), QString::number(i % 26), "3"};
        read += encodeMessage(sent.back());
    }
    EXPECT_EQ(receive(Sender::Host, {read}), sent);
}

TEST(MessageBuffer, MessageSplitOverTwoOrThreeReadsComesOutOnceWhenWhole)
{
    // Every cut, including those between CR and LF, for a chat followed by a move.
    const QByteArray wire = encodeMessage(Chat) + encodeMessage(Move);
    for (int i = 1; i < wire.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(receive(Sender::Guest, {wire.left(i), wire.mid(i)}), Messages({Chat, Move}));
        for (int j = i + 1; j < wire.size(); ++j)
            ASSERT_EQ(receive(Sender::Guest, {wire.left(i), wire.mid(i, j - i), wire.mid(j)}),
                      Messages({Chat, Move}));
    }
}

TEST(MessageBuffer, LoneCrAndLoneLfEndLinesAsCrLfDoes)
{
    const QByteArray crLf = encodeMessage(Move + Chat);
    for (const char* lone : {"\r", "\n"})
        EXPECT_EQ(receive(Sender::Guest, {QByteArray(crLf).replace("\r\n", lone)}), Messages({Move, Chat}));
}

TEST(MessageBuffer, LoneCrAtTheEndEndsTheLineAndAnLfThatFollowsBelongsToIt)
{
    MessageBuffer buffer(Sender::Guest);
    buffer.append("4\r\n2\r\n5\r\n7\r");
    EXPECT_EQ(buffer.next(), Move);
    buffer.append("\n4\r\n2\r\n5\r\n7\r\n");
    EXPECT_EQ(buffer.next(), Move);
}

struct Junk : NamedCase {
    Sender from;
    QByteArray bytes;
};

class Discarded : public testing::TestWithParam<Junk> {};

// Junk goes, and a plain message right behind it in the same burst still comes out.
TEST_P(Discarded, OnlyTheJunkGoes)
{
    const Junk& junk = GetParam();
    EXPECT_EQ(receive(junk.from, {junk.bytes}), Messages());
    EXPECT_EQ(receive(junk.from, {junk.bytes + "\r\n" + encodeMessage(Move)}), Messages({Move}));
}

// After a quiet gap a fragment is forgotten: the next bytes are framed afresh.
TEST_P(Discarded, AQuietGapStartsAfresh)
{
    qint64 now = 0;
    MessageBuffer buffer(GetParam().from, [&] { return now; });
    buffer.append(GetParam().bytes);
    buffer.drained();
    EXPECT_EQ(buffer.next(), std::nullopt);
    now += net::QuietGapMs;
    buffer.append(encodeMessage(Move));
    EXPECT_EQ(buffer.next(), Move);
}

// Within one burst a move cut short would take the next message's lines: only the quiet gap
// that follows a faulty peer's short message tells them apart.
TEST(MessageBuffer, ShortMoveIsNotCompletedByAMoveAfterAQuietGap)
{
    qint64 now = 0;
    MessageBuffer buffer(Sender::Guest, [&] { return now; });
    buffer.append("4\r\n3\r\n");
    buffer.drained();
    EXPECT_EQ(buffer.next(), std::nullopt);
    now += net::QuietGapMs;
    buffer.append(encodeMessage({"4", "3", "4", "3"}) + encodeMessage({"0", "0"}));
    EXPECT_EQ(buffer.next(), QStringList({"4", "3", "4", "3"}));
    EXPECT_EQ(buffer.next(), QStringList({"0", "0"}));
    EXPECT_EQ(buffer.next(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(MessageBuffer, Discarded, testing::Values(
    Junk{{"Text"}, Sender::Guest, "hello\r\nworld"},
    Junk{{"KindSix"}, Sender::Host, "6\r\n1"},
    Junk{{"CatchUpMarkOfNoSide"}, Sender::Host, "5\r\n7"},
    Junk{{"CatchUpMarkFromAGuest"}, Sender::Guest, "5\r\n1"},
    Junk{{"NegativeKind"}, Sender::Host, "-1\r\n1"},
    Junk{{"StartFromAGuest"}, Sender::Guest, "3\r\n8\r\n2\r\n0\r\n61\r\n1"},
    Junk{{"OverlongWithoutBreak"}, Sender::Guest, QByteArray(1500, 'x')},
    Junk{{"OverlongLine"}, Sender::Host, "4\r\n" + QByteArray(20000, '9')},
    Junk{{"ShortMoveInAFullCut"}, Sender::Guest, "4\r\n2\r\n" + QByteArray(994, 'x')}),
    byName);

// A returning station meets the catch-up's marks around its start and moves, in one read or apart.
TEST(MessageBuffer, CatchUpMarksFromTheHostComeOutAroundTheStart)
{
    const QStringList begins{"5", "1"}, ends{"5", "0"};
    const Messages sent{begins, Start, Move, ends};
    QByteArray burst;
    QList<QByteArray> apart;
    for (const QStringList& m : sent) {
        burst += encodeMessage(m);
        apart << encodeMessage(m);
    }
    EXPECT_EQ(receive(Sender::Host, {burst}), sent);
    EXPECT_EQ(receive(Sender::Host, apart), sent);
}

TEST(MessageBuffer, GuestChatWithExtraLinesComesOutAsTwoLinesAndNeverAsAStart)
{
    const QByteArray wire = encodeMessage({"2", "B：hi", "3", "8", "2", "0", "61", "1"});
    EXPECT_EQ(receive(Sender::Guest, {wire}), Messages({{"2", "B：hi"}}));
}

TEST(MessageBuffer, TwoJoinNoticesFromTheHostBothComeOut)
{
    const QStringList first{"1", "◆C氏の来訪", "A", "B", "C"};
    const QStringList second{"1", "◆D氏の来訪", "A", "B", "C", "D"};
    const Messages out = receive(Sender::Host, {encodeMessage(first) + encodeMessage(second)});
    EXPECT_EQ(out, Messages({first, second}));
}

TEST(MessageBuffer, MemberListEndsWhereAnotherHostMessagePlainlyBegins)
{
    const QStringList reply{"0", "A", "2", "4", "B"};
    const QStringList leave{"1", "◆C氏の退室", "A", "B"};
    const Messages followers{Chat, Start, Move, leave};
    for (const QStringList& follower : followers) {
        SCOPED_TRACE(follower.join(u'|').toStdString());
        EXPECT_EQ(receive(Sender::Host, {encodeMessage(reply) + encodeMessage(follower)}),
                  Messages({reply, follower}));
    }
}

TEST(MessageBuffer, MemberListWaitsForALineStillArriving)
{
    MessageBuffer buffer(Sender::Host);
    for (const char* piece : {"0\r\n", "A\r\nB"}) {
        buffer.append(piece);
        buffer.drained();
        EXPECT_EQ(buffer.next(), std::nullopt);
    }
    buffer.append("ob\r\n");
    EXPECT_EQ(buffer.next(), std::nullopt); // more of the list may be on its way
    buffer.drained();
    EXPECT_EQ(buffer.next(), QStringList({"0", "A", "Bob"}));
}

TEST(MessageBuffer, FromAGuestJoinAndLeaveHaveTwoLines)
{
    const QByteArray wire = encodeMessage({"0", "B"}) + encodeMessage({"1", "B"});
    EXPECT_EQ(receive(Sender::Guest, {wire}), Messages({{"0", "B"}, {"1", "B"}}));
}

TEST(MessageBuffer, ThousandAndOneByteMessageThenAnotherBothComeOut)
{
    const QStringList longChat{"2", QStringLiteral("B：") + QString(992, u'x')};
    const QByteArray cut = encodeMessage(longChat);
    ASSERT_EQ(cut.size(), 1000);
    EXPECT_EQ(receive(Sender::Guest, {cut + encodeMessage(Move)}), Messages({longChat, Move}));
    EXPECT_EQ(receive(Sender::Guest, {cut, encodeMessage(Move)}), Messages({longChat, Move}));
}

TEST(MessageBuffer, MessageCutInsideALineEndsAtTheLimit)
{
    const QByteArray cut = encodeMessage({"2", QStringLiteral("B：") + QString(1500, u'y')});
    const Messages out = receive(Sender::Host, {cut + encodeMessage(Move)});
    EXPECT_EQ(out, Messages({{"2", QStringLiteral("B：") + QString(994, u'y')}, Move}));
}

TEST(MessageBuffer, MemberListCutAtTheLimitStopsThere)
{
    QStringList names{"0"};
    while (encodeMessage(names).size() < 1000)
        names << QString("guest%1").arg(names.size());
    const Messages out = receive(Sender::Host, {encodeMessage(names) + encodeMessage(Move)});
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0], net::splitLines(encodeMessage(names)));
    EXPECT_EQ(out[1], Move);
}

TEST(MessageBuffer, NulEndsWhatThatReadBrought)
{
    const QByteArray withNul = encodeMessage(Chat) + QByteArray("\0" "4\r\n2\r\n5\r\n7\r\n", 14);
    EXPECT_EQ(receive(Sender::Guest, {withNul}), Messages({Chat}));
    EXPECT_EQ(receive(Sender::Guest, {withNul, encodeMessage(Move)}), Messages({Chat, Move}));
    EXPECT_EQ(receive(Sender::Guest, {QByteArray("4\r\n2\0junk", 9), "\r\n5\r\n7\r\n"}), Messages({Move}));
}

} // namespace
