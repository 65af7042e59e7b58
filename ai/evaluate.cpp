#include "ai/evaluate.h"
#include <algorithm>

namespace ai {

namespace {

// Weights of what the board promises, against one point of score.
constexpr int ScoreWeight = 8;
constexpr int CornerWeight = 24; // a face in a corner can never be taken

struct Standing {
    int own = 0;
    int bestOther = 0;
    int otherSum = 0;
};

Standing standingOf(const std::array<int, 5>& values, int seat)
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

std::array<int, 5> corners(const rules::Position& position)
{
    std::array<int, 5> owned{};
    const int last = position.size() - 1;
    for (int col : {0, last})
        for (int row : {0, last}) {
            const int code = position.board()[col][row];
            if (rules::isFace(code))
                ++owned[code];
        }
    return owned;
}

} // namespace

int evaluate(const rules::Position& position, int seat)
{
    const Standing score = standingOf(position.scores(), seat);
    if (position.over()) {
        const int margin = score.own - score.bestOther;
        return (margin > 0 ? WinValue : margin < 0 ? -WinValue : 0) + margin;
    }
    return ScoreWeight * lead(score) + CornerWeight * lead(standingOf(corners(position), seat));
}

} // namespace ai
