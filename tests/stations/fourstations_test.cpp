#include "tests/stations/program.h"
#include "tests/support/controls.h"
#include "tests/support/namedcase.h"

#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString GameOver = QStringLiteral("ゲーム終了　");

// One host and three guests, real programs in one process on 127.0.0.1, every animation pause
// cut to nothing.
class FourStations : public testing::Test {
protected:
    void SetUp() override
    {
        const quint16 port = all[0]->host();
        // One at a time, so that seats follow the names.
        for (int i = 1; i < 4; ++i) {
            all[i]->join(port);
            ASSERT_TRUE(QTest::qWaitFor([&] { return all[0]->members().size() == i + 1; }, 5000));
        }
        for (Program* s : all)
            ASSERT_TRUE(QTest::qWaitFor([&] { return s->members().size() == 4; }, 5000));
    }

    void start(int size, rules::Scoring scoring, bool rotation, int limit = 61)
    {
        Program& host = *all[0];
        control<ui::TExtTrackBar>(*host.boot, "TableSize")->setPosition(size);
        control<ui::RadioGroup>(*host.boot, "score_method")->setItemIndex(int(scoring));
        control<QCheckBox>(*host.boot, "rotation")->setChecked(rotation);
        control<ui::TExtTrackBar>(*host.boot, "TimeLimit")->setPosition(limit);
        host.boot->BtnGameClick();
        for (Program* s : all)
            ASSERT_TRUE(QTest::qWaitFor([&] { return s->form->isVisible() && s->game().boardSize() == size; }, 5000));
    }

    void autoPlay(std::initializer_list<int> seats)
    {
        for (int seat : seats)
            control<QCheckBox>(*all[seat - 1]->form, "AutoPass")->setChecked(true);
    }

    bool allOver() const
    {
        return std::all_of(all.begin(), all.end(), [](Program* s) { return s->form->windowTitle() == GameOver; });
    }

    void expectAlike(std::initializer_list<int> seats)
    {
        const rules::Game& first = all[*seats.begin() - 1]->game();
        for (int seat : seats) {
            const rules::Game& g = all[seat - 1]->game();
            EXPECT_EQ(g.board(), first.board()) << seat;
            EXPECT_EQ(g.scores(), first.scores()) << seat;
            EXPECT_EQ(g.curPlayer(), first.curPlayer()) << seat;
            EXPECT_EQ(g.passCount(), first.passCount()) << seat;
        }
    }

    NoPauses noPauses;
    ErrorCollector errors;
    Program a{QStringLiteral("A")};
    Program b{QStringLiteral("B")};
    Program c{QStringLiteral("C")};
    Program d{QStringLiteral("D")};
    std::array<Program*, 4> all{&a, &b, &c, &d};
};

struct GameSetup : NamedCase {
    int size;
    rules::Scoring scoring;
    bool rotation;
    int limit;
};

class WholeGame : public FourStations, public testing::WithParamInterface<GameSetup> {};

TEST_P(WholeGame, EndsWithTheSameBoardAndScoresEverywhere)
{
    const GameSetup& s = GetParam();
    autoPlay({1, 2, 3, 4});
    start(s.size, s.scoring, s.rotation, s.limit);
    EXPECT_EQ(c.game().mySeat(), 3);
    // The host's first turn never plays by itself.
    QTest::qWait(20);
    ASSERT_TRUE(a.match().myTurn());
    a.match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return allOver(); }, 120000));
    expectAlike({1, 2, 3, 4});
    for (Program* st : all) {
        EXPECT_FALSE(st->match().myTurn());
        EXPECT_EQ(control<QStatusBar>(*st->form, "StatusBar")->currentMessage(), QStringLiteral("終了！"));
    }
    EXPECT_TRUE(control<QPushButton>(*a.boot, "BtnGame")->isEnabled());
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(FourStations, WholeGame, testing::Values(
    GameSetup{{"Six_Points_Rotating"}, 6, rules::Scoring::Points, true, 61},
    GameSetup{{"Seven_Count_Fixed"}, 7, rules::Scoring::Count, false, 61},
    GameSetup{{"Eight_Count_Rotating_TimeLimit"}, 8, rules::Scoring::Count, true, 60},
    GameSetup{{"Eleven_Points_Fixed"}, 11, rules::Scoring::Points, false, 61},
    GameSetup{{"TwentySix_Points_Rotating"}, 26, rules::Scoring::Points, true, 61}),
    byName);

TEST_F(FourStations, SecondGameStartsAfreshOnEveryStation)
{
    autoPlay({1, 2, 3, 4});
    start(6, rules::Scoring::Count, false);
    a.match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return allOver(); }, 60000));
    start(9, rules::Scoring::Points, true);
    for (Program* st : all)
        EXPECT_NE(st->form->windowTitle(), GameOver);
    a.match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return allOver(); }, 60000));
    expectAlike({1, 2, 3, 4});
}

// Seat 3 moves once more and leaves: the others play on until seat 3's turn comes back.
TEST_F(FourStations, GuestLeavingMidwayStopsPlayAtItsSeatAndHarmsNoOne)
{
    autoPlay({1, 2, 4});
    start(8, rules::Scoring::Points, true);
    a.match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.match().myTurn(); }, 10000));
    const auto boardBefore = c.game().board();
    c.match().tekitoo();
    const auto boardAtLeave = c.game().board();
    ASSERT_NE(boardAtLeave, boardBefore);
    c.boot->BtnOutClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.members().size() == 3; }, 5000));
    // Boards only move forward, so a seat 3 to move on a changed board is the turn come back.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return std::all_of(all.begin(), all.end(), [&](Program* s) {
            return s == &c || (s->game().curPlayer() == 3 && s->game().board() != boardBefore);
        });
    }, 10000));
    QTest::qWait(100);
    expectAlike({1, 2, 4});
    EXPECT_EQ(a.game().curPlayer(), 3);
    EXPECT_EQ(c.game().board(), boardAtLeave);
    for (Program* st : {&a, &b, &d})
        EXPECT_FALSE(st->match().myTurn());
    EXPECT_EQ(a.members(), QStringList({"A", "B", "D"}));
    EXPECT_EQ(b.members(), QStringList({"A", "B", "D"}));
    EXPECT_FALSE(control<QPushButton>(*a.boot, "BtnGame")->isEnabled());
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join(u'\n').toStdString();
}

} // namespace

namespace {

// Seat 3 leaves, the host's computer plays it, and C joins again: it catches up, plays on and
// ends with everyone's board; its turn never opens before it has every move.
TEST_F(FourStations, ReturningPlayerEndsWithTheSameBoard)
{
    autoPlay({1, 2, 4});
    start(8, rules::Scoring::Points, true);
    a.match().tekitoo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.match().myTurn(); }, 10000));
    c.match().tekitoo();
    c.boot->BtnOutClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.game().moves().size() >= 12; }, 20000)) << "the computer plays seat 3";
    bool openedBehind = false;
    QObject::connect(&c.match(), &match::Match::turnOpened,
                     [&] { openedBehind = openedBehind || c.game().moves().size() != a.game().moves().size(); });
    control<QCheckBox>(*c.form, "AutoPass")->setChecked(true);
    c.join(a.boot->station().port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return allOver(); }, 120000));
    expectAlike({1, 2, 3, 4});
    EXPECT_EQ(c.game().moves(), a.game().moves());
    EXPECT_FALSE(openedBehind);
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join(u'\n').toStdString();
}

} // namespace
