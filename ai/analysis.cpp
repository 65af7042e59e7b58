#include "ai/analysis.h"
#include "ai/tree.h"
#include <algorithm>
#include <cassert>
#include <cmath>

namespace ai {

namespace {

// Boards up to this size get the usual effort; a larger one fewer playouts by the square of the
// ratio, for its positions and its playouts both grow with the square of its side.
constexpr int FullEffortSize = 13;
// The most the mover's standing differed between two seeds at the usual effort, rounded up: 0.025
// over 498 positions, whose 99th percentile was 0.018 (bench/analysis_spread.cpp).
constexpr float SpreadAtUsualEffort = 0.03f;

} // namespace

int usualEffort(int boardSize)
{
    if (boardSize <= FullEffortSize)
        return UsualEffort;
    return UsualEffort * FullEffortSize * FullEffortSize / (boardSize * boardSize);
}

int usualEffortSize()
{
    return FullEffortSize;
}

int effortOn(int asked, int boardSize)
{
    return asked > 0 ? asked : usualEffort(boardSize);
}

// A search's error shrinks with the square root of its playouts.
float mistakeMargin(int effort)
{
    return SpreadAtUsualEffort * std::sqrt(float(UsualEffort) / float(std::max(effort, 1)));
}

unsigned seedOf(int played)
{
    return 0x9E3779B9u * unsigned(played + 1); // spreads neighbouring positions' seeds apart
}

// The chances of the position are those of the move the search plays there.
Judgement judge(const rules::Position& position, int playouts, unsigned seed, std::stop_token stop)
{
    if (position.over())
        return {winShares(position), pointShares(position), rules::Pass};
    std::mt19937 rng(seed);
    Tree tree(position);
    for (int i = 0; i < playouts && !stop.stop_requested(); ++i)
        tree.grow(rng);
    const std::vector<Tree::Tally> tallies = tree.rootTallies();
    const Tree::Tally& best = mostPlayed(tallies);
    Judgement judgement;
    const float visits = float(std::max(best.visits, 1));
    for (int seat = 1; seat <= rules::Seats; ++seat) {
        judgement.chances[seat] = best.wins[seat] / visits;
        judgement.standing[seat] = best.points[seat] / visits;
    }
    if (best.move != Tree::PassMove)
        judgement.preferred = {rules::Board::colOf(best.move), rules::Board::rowOf(best.move)};
    return judgement;
}

MoveReview reviewMove(const rules::Position& position, rules::Cell played, const Judgement& here, const Judgement& next,
                      int effort)
{
    MoveReview review;
    review.seat = position.toMove();
    review.before = here.chances;
    review.standing = here.standing;
    review.after = next.standing[review.seat];
    review.preferred = here.preferred;
    if (played != review.preferred)
        review.loss = std::max(0.0f, review.standing[review.seat] - review.after);
    review.margin = mistakeMargin(effort);
    return review;
}

std::vector<MoveReview> reviewMoves(const std::vector<rules::Position>& positions,
                                    const std::vector<rules::Cell>& played, const std::vector<Judgement>& judgements,
                                    int effort)
{
    assert(positions.size() == played.size() + 1 && judgements.size() == positions.size());
    std::vector<MoveReview> reviews;
    for (std::size_t k = 0; k < played.size(); ++k)
        reviews.push_back(reviewMove(positions[k], played[k], judgements[k], judgements[k + 1], effort));
    return reviews;
}

} // namespace ai
