#include "match/pagestate.h"

namespace match {

std::array<int, 4> places(const std::array<int, 5>& scores)
{
    std::array<int, 4> result{};
    for (int seat = 1; seat <= rules::Seats; ++seat) {
        result[std::size_t(seat - 1)] = 1;
        for (int other = 1; other <= rules::Seats; ++other)
            if (scores[std::size_t(other)] > scores[std::size_t(seat)])
                ++result[std::size_t(seat - 1)];
    }
    return result;
}

net::PageState pageState(const rules::Game& game, int seat, const rules::Outcome* last, bool legal)
{
    net::PageState s;
    s.size = game.boardSize();
    for (int col = 0; col < s.size; ++col)
        for (int row = 0; row < s.size; ++row)
            s.cells.push_back(game.board()[col][row]);
    s.seat = seat;
    s.turn = game.curPlayer();
    for (int i = 1; i <= rules::Seats; ++i) {
        s.names[std::size_t(i - 1)] = game.name(i);
        s.scores[std::size_t(i - 1)] = game.scores()[std::size_t(i)];
    }
    s.moves = int(game.moves().size());
    if (last) {
        if (!last->isPass())
            s.last = last->cell;
        s.mover = last->mover;
        for (const rules::Take& t : last->taken)
            s.taken.push_back(t.cell);
        s.jewelsTurned = last->jewelsTurned;
    }
    s.over = game.gameOver();
    s.places = places(game.scores());
    s.yourTurn = legal;
    if (legal)
        for (const auto& [col, row] : game.legalCells())
            s.legal.push_back({col, row});
    s.countMode = game.countMode();
    s.timeLimit = game.timeLimit();
    return s;
}

} // namespace match
