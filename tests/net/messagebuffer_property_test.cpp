#include "net/messagebuffer.h"
#include "net/lobbymessages.h"
#include "net/message.h"
#include "net/names.h"

#include <gtest/gtest.h>
#include <random>

using net::MessageBuffer;
using net::Sender;
using Messages = QList<QStringList>;

namespace {

// Names players might choose, the awkward ones included.
const QStringList NamePool{"0", "1", "2", "3", "4", "61", "-1", "8", "12345", QStringLiteral("◆A氏の来訪"),
                           QStringLiteral("B：やあ"), "", " ", "Bob", "bob", "Bob", QStringLiteral("緑"),
                           QString(12, QChar(u'緑')), QString(24, u'x'), "G"};

// One guest's view of a host: the reply to its join, then thirty notices, chat lines, starts and moves.
// With `accept`, names go through the host's rules as ours does; without, they stand as given.
class HostScript {
public:
    HostScript(std::mt19937& rng, bool accept) : rng_(rng), accept_(accept)
    {
        own = net::acceptName(pick(), {});
        members = {name()};
        for (int i = pickIndex(3); i > 0; --i)
            members << name();
        members << own;
        sent << net::replyMessage(members);
        for (int i = 0; i < 30; ++i)
            step();
    }

    void step()
    {
        switch (pickIndex(5)) {
        case 0: {
            const QString n = name();
            members << n;
            sent << net::noticeMessage(net::joinNotice(n), members);
            break;
        }
        case 1: {
            if (members.size() <= 2)
                return;
            const int at = 1 + pickIndex(int(members.size()) - 1);
            if (members[at] == own) // the guest never hears of its own leaving
                return;
            const QString gone = members.takeAt(at);
            sent << net::noticeMessage(net::leaveNotice(gone), members);
            break;
        }
        case 2: sent << net::chatMessage(members[pickIndex(int(members.size()))] + QStringLiteral("：") + pick()); break;
        case 3: sent << net::startMessage({6 + pickIndex(21), 2 + pickIndex(3), rules::Scoring(pickIndex(2)), 5 + pickIndex(57), true}); break;
        default: sent << net::moveMessage(1 + pickIndex(4), pickIndex(27) - 1, pickIndex(27) - 1); break;
        }
    }

    QString own;
    QStringList members;
    Messages sent;

private:
    int pickIndex(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    QString pick() { return NamePool[pickIndex(int(NamePool.size()))]; }
    QString name() { return accept_ ? net::acceptName(pick(), members) : pick(); }

    std::mt19937& rng_;
    bool accept_;
};

// The bytes of `sent` cut at random places; drained() after every read, or only at the end.
Messages receive(std::mt19937& rng, const Messages& sent, const QString& own, bool drainEachRead)
{
    QByteArray wire;
    for (const QStringList& m : sent)
        wire += net::encodeMessage(m);
    MessageBuffer buffer(Sender::Host, [] { return qint64(0); });
    buffer.setOwnName(own);
    Messages out;
    for (qsizetype at = 0; at < wire.size();) {
        const qsizetype length = std::uniform_int_distribution<qsizetype>(1, 64)(rng);
        buffer.append(wire.mid(at, length));
        at += length;
        if (drainEachRead || at >= wire.size())
            buffer.drained();
        while (auto m = buffer.next())
            out << *m;
    }
    return out;
}

// One message a line, for failures that can be read.
std::string shown(const Messages& messages)
{
    std::string text;
    for (const QStringList& m : messages)
        text += m.join(u'|').toStdString() + '\n';
    return text;
}

Messages startsAndMoves(const Messages& messages)
{
    Messages kept;
    for (const QStringList& m : messages)
        if (m[0] == u"3" || m[0] == u"4")
            kept << m;
    return kept;
}

bool isSubsequence(const Messages& part, const Messages& whole)
{
    qsizetype i = 0;
    for (const QStringList& m : whole)
        if (i < part.size() && part[i] == m)
            ++i;
    return i == part.size();
}

TEST(FramingProperty, OurHostsMessagesDecodeExactlyWhateverTheCuts)
{
    std::mt19937 rng(20261208);
    for (int run = 0; run < 400; ++run) {
        HostScript host(rng, true);
        ASSERT_EQ(shown(receive(rng, host.sent, host.own, false)), shown(host.sent)) << "run " << run;
    }
}

TEST(FramingProperty, NoNameEverBecomesAStartOrAMove)
{
    std::mt19937 rng(8);
    for (int run = 0; run < 400; ++run) {
        HostScript host(rng, false);
        const Messages out = receive(rng, host.sent, host.own, true);
        ASSERT_TRUE(isSubsequence(startsAndMoves(out), startsAndMoves(host.sent)))
            << "run " << run << '\n' << shown(out) << "sent\n" << shown(host.sent);
    }
}

TEST(FramingProperty, GuestsMessagesDecodeExactlyWhateverTheNamesAndCuts)
{
    std::mt19937 rng(4);
    for (int run = 0; run < 400; ++run) {
        Messages sent;
        // One connection is one guest: all its chat lines speak under one name.
        const QString speaker = NamePool[std::uniform_int_distribution<int>(0, int(NamePool.size()) - 1)(rng)];
        for (int i = 0; i < 30; ++i) {
            const QString n = NamePool[std::uniform_int_distribution<int>(0, int(NamePool.size()) - 1)(rng)];
            switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
            case 0: sent << net::joinMessage(n); break;
            case 1: sent << net::leaveMessage(n); break;
            case 2: sent << net::chatMessage(speaker + QStringLiteral("：") + n); break;
            default: sent << net::moveMessage(1 + i % 4, i % 27 - 1, i % 26); break;
            }
        }
        QByteArray wire;
        for (const QStringList& m : sent)
            wire += net::encodeMessage(m);
        MessageBuffer buffer(Sender::Guest, [] { return qint64(0); });
        Messages out;
        for (qsizetype at = 0; at < wire.size(); at += 7) {
            buffer.append(wire.mid(at, 7));
            buffer.drained();
            while (auto m = buffer.next())
                out << *m;
        }
        ASSERT_EQ(shown(out), shown(sent)) << "run " << run;
    }
}

} // namespace
