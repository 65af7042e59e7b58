#include "ai/evaluate.h"
#include <algorithm>

namespace ai {

namespace {

// Weights of one point of score lead, one stable face of lead and one cell of choice.
constexpr int ScoreWeight = 8;
constexpr int StableWeight = 12;  // a face that can never be taken back
constexpr int MobilityWeight = 3; // a cell where the seat may place

using PerSeat = std::array<int, 5>; // indexed 1..4 by seat

struct Standing {
    int own = 0;
    int bestOther = 0;
    int otherSum = 0;
};

Standing standingOf(const PerSeat& values, int seat)
{
    Standing s{values[seat], -(1 << 30), 0};
    for (int other = 1; other <= rules::Seats; ++other)
        if (other != seat) {
            s.bestOther = std::max(s.bestOther, values[other]);
            s.otherSum += values[other];
        }
    return s;
}

// Against the best of the others and their average alike: a win needs the first, and the
// second keeps every opponent's gain in view.
int lead(const Standing& s) { return 6 * s.own - 3 * s.bestOther - s.otherSum; }

// A corner lies on no line between two cells, and an edge cell only on the edge's own line;
// so a corner's face, and the faces of its seat that follow it without a gap along an edge,
// can never be taken.
PerSeat stableFaces(const rules::Board& board)
{
    PerSeat stable{};
    const int last = board.size() - 1;
    for (int col : {0, last})
        for (int row : {0, last}) {
            const int seat = board[col][row];
            if (!rules::isFace(seat))
                continue;
            ++stable[seat];
            const int dc = col == 0 ? 1 : -1;
            const int dr = row == 0 ? 1 : -1;
            for (int c = col + dc; c != col + dc * (last + 1) && board[c][row] == seat; c += dc)
                ++stable[seat];
            for (int r = row + dr; r != row + dr * (last + 1) && board[col][r] == seat; r += dr)
                ++stable[seat];
        }
    return stable;
}

} // namespace

int evaluate(const rules::Position& position, int seat)
{
    const Standing score = standingOf(position.scores(), seat);
    if (position.over()) {
        const int margin = score.own - score.bestOther;
        return (margin > 0 ? WinValue : margin < 0 ? -WinValue : 0) + margin;
    }
    const int mobility = static_cast<int>(position.board().legalIndices(seat).size());
    return ScoreWeight * lead(score) + StableWeight * lead(standingOf(stableFaces(position.board()), seat)) +
           MobilityWeight * mobility;
}

} // namespace ai
