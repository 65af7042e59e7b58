#include "fakes.h"
#include "setups.h"
#include "rules/position.h"
#include <gtest/gtest.h>
#include <random>

using namespace fakes;

namespace {

std::vector<rules::Cell> cellsOf(const rules::Game& game)
{
    std::vector<rules::Cell> cells;
    for (auto [col, row] : game.legalCells())
        cells.push_back({col, row});
    return cells;
}

void expectAgree(const rules::Game& game, bool over, const rules::Position& p, int step)
{
    ASSERT_EQ(p.board(), game.board) << "step " << step;
    ASSERT_EQ(p.scores(), game.scores) << "step " << step;
    ASSERT_EQ(p.toMove(), game.curPlayer) << "step " << step;
    ASSERT_EQ(p.passCount(), game.passCount) << "step " << step;
    ASSERT_EQ(p.emptyCells(), countCells(game, rules::Empty)) << "step " << step;
    ASSERT_EQ(p.over(), over) << "step " << step;
    if (!over) {
        ASSERT_EQ(p.legalCells(), cellsOf(game)) << "step " << step;
    }
}

class PositionAndGame : public testing::TestWithParam<GameSetup> {};

// The search trusts Position to see the future that Game will play out.
TEST_P(PositionAndGame, AgreeAfterEveryMoveOfRandomGames)
{
    const GameSetup& setup = GetParam();
    GameRig e;
    e.station.rotation = setup.rotation;
    e.reset(setup.size, setup.scoring);
    rules::Position p = rules::Position::newGame(setup.size, setup.scoring, setup.rotation);
    std::mt19937 random(seedOf(setup));
    ASSERT_NO_FATAL_FAILURE(expectAgree(e.game, false, p, 0));
    for (int step = 1; !p.over(); ++step) {
        ASSERT_LT(step, 2000) << "the game never ended";
        const auto cells = p.legalCells();
        const rules::Cell move = cells.empty() || random() % 12 == 0 ? rules::Pass : cells[random() % cells.size()];
        const int mover = p.toMove();
        const int before = p.score(mover);
        const int gain = move.isPass() ? 0 : p.gainOf(rules::Board::indexOf(move.col, move.row));
        move.isPass() ? e.game.BtnPassClick() : e.game.TableSelectCell(move.col, move.row);
        p.play(move);
        ASSERT_EQ(p.score(mover) - before, gain) << "step " << step;
        if (!move.isPass()) {
            ASSERT_EQ(p.jewelTouched(), e.game.jewelTouched) << "step " << step;
        }
        ASSERT_NO_FATAL_FAILURE(expectAgree(e.game, !e.view.status.empty(), p, step));
    }
}

INSTANTIATE_TEST_SUITE_P(AllSetups, PositionAndGame, testing::ValuesIn(everySetup()),
                         [](const auto& info) { return nameOf(info.param); });

TEST(Position, OfAGameTakesItsStateAndAnswersItsLegalCells)
{
    GameRig e;
    e.reset(8, rules::Scoring::Count);
    e.game.TableSelectCell(1, 3);
    e.game.BtnPassClick();
    const rules::Position p = rules::Position::of(e.game, false);
    EXPECT_EQ(p.toMove(), 3);
    EXPECT_EQ(p.passCount(), 1);
    EXPECT_EQ(p.scores(), e.game.scores);
    EXPECT_EQ(p.scoring(), rules::Scoring::Count);
    EXPECT_EQ(p.legalCells(), cellsOf(e.game));
    EXPECT_FALSE(p.isLegal({-1, 0})) << "off the board";
    EXPECT_FALSE(p.isLegal({8, 8})) << "off the board";
}

} // namespace
