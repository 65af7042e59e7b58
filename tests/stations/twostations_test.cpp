#include "net/lobbymessages.h"
#include "tests/net/rawpeer.h"
#include "tests/stations/program.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// The host A and the guest B as real programs; C and D are guests of bytes only that pass
// whenever a move names their seat.
class TwoStations : public testing::Test {
protected:
    void SetUp() override
    {
        const quint16 port = a.host();
        b.join(port);
        ASSERT_TRUE(QTest::qWaitFor([&] { return a.members().size() == 2; }, 5000));
        for (const char* name : {"C", "D"}) {
            auto& peer = *raw.emplace_back(std::make_unique<RawPeer>(net::Sender::Host));
            ASSERT_TRUE(peer.connectTo(port));
            peer.say({"0", QLatin1String(name)});
            ASSERT_TRUE(QTest::qWaitFor([&] { return a.members().endsWith(QLatin1String(name)); }, 5000));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.members().size() == 4; }, 5000));
        a.boot->TableSize->setPosition(7);
        a.boot->BtnGameClick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.form->isVisible(); }, 5000));
    }

    // Seats 3 and 4 pass as soon as their turn is announced to them.
    void rawSeatsPass()
    {
        for (int seat : {3, 4}) {
            RawPeer& peer = *raw[seat - 3];
            ASSERT_TRUE(QTest::qWaitFor([&] {
                peer.collect();
                return !peer.heard.isEmpty() && peer.heard.last().value(1) == QString::number(seat);
            }, 5000)) << seat;
            peer.say(net::moveMessage(seat == 4 ? 1 : 4, -1, -1));
        }
    }

    NoPauses noPauses;
    ErrorCollector errors;
    Program a{QStringLiteral("A")};
    Program b{QStringLiteral("B")};
    std::vector<std::unique_ptr<RawPeer>> raw;
};

TEST_F(TwoStations, MovesMadeOnEitherStationEndOnBothBoardsAlike)
{
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(a.game().myTurn) << round;
        const auto [ac, ar] = a.game().legalCells().back();
        a.game().TableSelectCell(ac, ar);
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.game().myTurn; }, 5000)) << round;
        EXPECT_TRUE(b.boardOpen());
        const auto [bc, br] = b.game().legalCells().front();
        b.game().TableSelectCell(bc, br);
        rawSeatsPass();
        ASSERT_TRUE(QTest::qWaitFor([&] { return a.game().myTurn; }, 5000)) << round;
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.game().curPlayer == 1; }, 5000)) << round;
        EXPECT_EQ(a.game().board, b.game().board) << round;
        EXPECT_EQ(a.game().scores, b.game().scores) << round;
        EXPECT_FALSE(b.game().skipEcho);
    }
    EXPECT_EQ(a.game().passCount, 2);
    EXPECT_EQ(b.game().passCount, 2);
    EXPECT_TRUE(errors.messages.isEmpty());
}

} // namespace
