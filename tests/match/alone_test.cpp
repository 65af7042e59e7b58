#include "match/computerseat.h"
#include "match/station.h"
#include "rules/failure.h"

#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace {

const QStringList Names{"a", "b", "c", "d"};

// Answers its turn at once with a legal cell drawn at random, as a quick computer would.
struct RandomSeat : match::Player {
    explicit RandomSeat(std::mt19937& random) : random(random) {}
    void yourTurn(match::Match& m, int seat) override { m.playFor(seat, draw(m.game(), random), true); }
    static rules::Cell draw(const rules::Game& g, std::mt19937& random)
    {
        const auto cells = g.legalCells();
        if (cells.empty() || random() % 20 == 0)
            return rules::Pass;
        const auto [col, row] = cells[random() % cells.size()];
        return {col, row};
    }
    std::mt19937& random;
};

struct Case {
    int seat;
    int size;
    bool rotation;
};

class UndoRedo : public testing::TestWithParam<Case> {};

// Moves, undos and redos at random to the end: every undo lands on the person's own open turn
// one round back at most, undoing everything reaches the person's first turn, and redoing
// everything plays the very same game to the same end.
TEST_P(UndoRedo, FollowTheEngineOverRandomGames)
{
    const Case c = GetParam();
    std::mt19937 random(unsigned(c.seat * 31 + c.size));
    RandomSeat computer(random);
    match::Match match;
    // As a station begins a game alone: the computers take their seats once it is set up.
    const auto begin = [&](rules::Scoring scoring) {
        match.start({c.size, scoring, rules::NoLimit, c.rotation}, c.seat, Names);
        for (int seat = 1; seat <= 4; ++seat)
            if (seat != c.seat)
                match.setPlayer(seat, &computer);
        match.openFirstTurn();
    };
    begin(rules::Scoring::Points);
    const rules::Game& g = match.game();
    ASSERT_TRUE(match.myTurn());
    ASSERT_EQ(g.moves().size(), std::size_t(c.seat - 1));
    int undos = 0;
    for (int step = 0; !g.gameOver(); ++step) {
        ASSERT_LT(step, 5000);
        const std::size_t before = g.moves().size();
        const unsigned roll = random() % 10;
        if (roll < 2 && match.canUndo()) {
            match.undo();
            ++undos;
            ASSERT_GE(before - g.moves().size(), 1u);
            ASSERT_LE(before - g.moves().size(), 4u);
        } else if (roll < 4 && match.canRedo()) {
            match.redo();
        } else {
            ASSERT_TRUE(match.playFor(c.seat, RandomSeat::draw(g, random), true));
            ASSERT_FALSE(match.canRedo()) << "a new move starts another line of play";
        }
        ASSERT_TRUE(g.gameOver() || (match.myTurn() && g.curPlayer() == c.seat)) << "step " << step;
    }
    EXPECT_GT(undos, 1) << g.moves().size() << " moves, passes " << g.passCount();
    EXPECT_FALSE(match.canUndo()) << "the game is over and kept";

    // Undone to the person's first turn, then redone: the same moves, the same board.
    begin(rules::Scoring::Count);
    for (int turn = 0; turn < 6; ++turn)
        ASSERT_TRUE(match.playFor(c.seat, RandomSeat::draw(g, random), true));
    const std::vector<rules::Cell> played = g.moves();
    const rules::Board board = g.board();
    while (match.canUndo())
        match.undo();
    EXPECT_EQ(g.moves().size(), std::size_t(c.seat - 1));
    while (match.canRedo())
        match.redo();
    EXPECT_EQ(g.moves(), played);
    EXPECT_EQ(g.board(), board);
    EXPECT_TRUE(match.myTurn());
}

INSTANTIATE_TEST_SUITE_P(Seats, UndoRedo, testing::Values(Case{1, 12, true}, Case{2, 10, false}, Case{3, 13, true},
                                                          Case{4, 14, false}));

// A game alone opens no socket; the computers play the other seats, the first one at once;
// hosting afterwards gives every seat back to the network.
TEST(Alone, ComputersPlayInThisProcessWithNothingListening)
{
    match::ComputerSeat::movePauseMs = 0;
    match::Station station;
    station.playAlone({8, rules::Scoring::Points, rules::NoLimit, false}, 2, Names,
                      {ai::Level::Random, ai::Level::Greedy, ai::Level::Random});
    EXPECT_FALSE((station.state() == match::Station::State::Hosting));
    EXPECT_FALSE(station.inSession());
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.match().myTurn(); }, 5000)) << "seat 1's computer moved";
    EXPECT_EQ(station.match().game().moves().size(), 1u);
    EXPECT_FALSE(station.match().canUndo()) << "the person has not moved yet";
    station.host("0", "host");
    EXPECT_FALSE(station.alone());
    EXPECT_TRUE(station.match().game().abandoned()) << "the game alone is left unfinished";
    EXPECT_FALSE(station.match().player(1));
    EXPECT_THROW(station.playAlone({8, rules::Scoring::Points, rules::NoLimit, false}, 1, Names, {}), Failure);
    match::ComputerSeat::movePauseMs = 300;
}

// A station that goes in the middle of a game alone stops the game, kept unfinished, before its
// computers go, the one searching included (the sanitizer build watches the order).
TEST(Alone, StationGoesWhileAComputerSearches)
{
    struct Log : rules::GameLog {
        void gameStarted(const rules::Game&) override {}
        void movePlayed(int, rules::Cell) override {}
        void movesTakenBack(int) override {}
        void gameEnded(const rules::Game&) override {}
        void gameStopped() override { ++stopped; }
        int stopped = 0;
    } log;
    auto station = std::make_unique<match::Station>();
    station->match().setLog(&log);
    station->playAlone({8, rules::Scoring::Points, rules::NoLimit, false}, 4, Names,
                       {ai::Level::Strong, ai::Level::Strong, ai::Level::Strong});
    station.reset();
    EXPECT_EQ(log.stopped, 1);
}

} // namespace
