#include "rig.h"
#include "setups.h"
#include <gtest/gtest.h>
#include <random>

using namespace fakes;

namespace {

// Four stations, each with its own copy of the game, fed the same moves; the mover's
// station opens its turn first as a received move would make it.
class Table4 {
public:
    explicit Table4(const GameSetup& setup)
    {
        for (int i = 0; i < 4; ++i) {
            e[i].rotation = setup.rotation;
            e[i].reset(setup.size, setup.scoring);
        }
    }
    bool over() const { return e[0].game.gameOver(); }
    void move(int col, int row)
    {
        for (GameRig& rig : e) {
            rig.log.clear();
            if (col < 0)
                rig.BtnPassClick();
            else
                rig.TableSelectCell(col, row);
        }
    }
    GameRig e[4];
};

int faces(const rules::Game& g, int seat) { return countCells(g, seat); }

// What a screen does with an outcome, on a board of its own that lags behind the game's.
void replay(rules::Board& shown, const rules::Outcome& o)
{
    if (!o.isPass())
        shown[o.cell.col][o.cell.row] = rules::Code(o.mover);
    for (const rules::Take& take : o.taken)
        shown[take.cell.col][take.cell.row] = rules::Code(o.mover);
    if (o.jewelsTurned)
        for (const rules::JewelCell& cell : shown.jewelCells())
            shown.turnJewel(shown.size() / 2 + cell.dc, shown.size() / 2 + cell.dr);
}

// The outcome tells the whole move: replayed it gives the engine's board, and its last
// scores are the engine's.
void expectOutcomeTellsTheMove(rules::Board& shown, const rules::Game& g, const rules::Outcome& o)
{
    replay(shown, o);
    ASSERT_EQ(shown, g.board());
    ASSERT_EQ(o.next, g.curPlayer());
    ASSERT_EQ(o.over, g.gameOver());
    if (o.isPass())
        return;
    ASSERT_EQ(o.taken.empty() ? o.placedScore : o.taken.back().moverScore, g.scores()[o.mover]);
    for (const rules::Take& take : o.taken)
        if (g.countMode())
            ASSERT_GE(take.victimScore, g.scores()[take.victim]) << "a victim's score only falls";
        else
            ASSERT_EQ(take.victimScore, g.scores()[take.victim]) << "the points rule takes nothing from a victim";
}

void expectSameAsFirst(const Table4& t, int step)
{
    const rules::Game& a = t.e[0].game;
    for (int i = 1; i < 4; ++i) {
        const rules::Game& b = t.e[i].game;
        ASSERT_EQ(b.board(), a.board()) << "station " << i + 1 << " step " << step;
        ASSERT_EQ(b.scores(), a.scores()) << "station " << i + 1 << " step " << step;
        ASSERT_EQ(b.curPlayer(), a.curPlayer());
        ASSERT_EQ(b.passCount(), a.passCount());
        ASSERT_EQ(b.lastCol(), a.lastCol());
        ASSERT_EQ(b.lastRow(), a.lastRow());
        ASSERT_EQ(t.e[i].outcomes.back().next, t.e[0].outcomes.back().next) << "the same seat to move everywhere";
    }
}

// What must hold on every board after every move.
void expectSoundBoard(const rules::Game& g, rules::Scoring scoring)
{
    for (int seat = 1; seat <= 4; ++seat) {
        ASSERT_EQ(countCells(g, rules::jewelOf(seat)), 1) << "jewel of seat " << seat;
        if (scoring == rules::Scoring::Count) {
            ASSERT_EQ(g.scores()[seat], faces(g, seat) - (g.boardSize() % 2)) << "count of seat " << seat;
        }
    }
}

class RandomGames : public testing::TestWithParam<GameSetup> {};

TEST_P(RandomGames, FourStationsStayIdenticalToTheEnd)
{
    const GameSetup setup = GetParam();
    Table4 t(setup);
    std::mt19937 random(seedOf(setup));
    int step = 0;
    int placements = 0;
    int rotations = 0;
    rules::Board shown = t.e[0].game.board();
    while (!t.over()) {
        ASSERT_LT(++step, 2000) << "the game never ended";
        const rules::Game& g = t.e[0].game;
        const int mover = g.curPlayer();
        const int facesBefore = faces(g, mover);
        const int scoreBefore = g.scores()[mover];
        const auto cells = g.legalCells();
        const bool pass = cells.empty() || random() % 12 == 0;
        const auto [col, row] = pass ? std::pair{-1, -1} : cells[random() % cells.size()];
        t.move(col, row);
        placements += !pass;
        rotations += t.e[0].outcomes.back().jewelsTurned;
        ASSERT_NO_FATAL_FAILURE(expectSameAsFirst(t, step));
        ASSERT_NO_FATAL_FAILURE(expectOutcomeTellsTheMove(shown, g, t.e[0].outcomes.back()));
        ASSERT_NO_FATAL_FAILURE(expectSoundBoard(g, setup.scoring));
        if (!pass && setup.scoring == rules::Scoring::Points) {
            const int captured = faces(g, mover) - facesBefore - 1;
            ASSERT_GE(captured, 1);
            ASSERT_EQ(g.scores()[mover] - scoreBefore, captured * (captured + 1) / 2);
        }
        if (!t.over()) {
            ASSERT_EQ(g.curPlayer(), rules::nextSeat(mover));
        }
    }
    const rules::Game& g = t.e[0].game;
    EXPECT_TRUE(!g.existSpace() || g.passCount() == 4);
    EXPECT_GE(placements, setup.size) << "random play ended almost at once";
    if (setup.rotation)
        EXPECT_GT(rotations, 0);
    else
        EXPECT_EQ(rotations, 0);
}

INSTANTIATE_TEST_SUITE_P(AllSetups, RandomGames, testing::ValuesIn(everySetup()),
                         [](const auto& info) { return nameOf(info.param); });

} // namespace
