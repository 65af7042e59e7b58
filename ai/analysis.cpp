#include "ai/analysis.h"
#include "ai/tree.h"
#include <algorithm>
#include <cassert>

namespace ai {

unsigned seedOf(int played)
{
    return 0x9E3779B9u * unsigned(played + 1); // spreads neighbouring positions' seeds apart
}

// The chances of the position are those of the move the search plays there.
Judgement judge(const rules::Position& position, int playouts, unsigned seed, std::stop_token stop)
{
    if (position.over())
        return {winShares(position), rules::Pass};
    std::mt19937 rng(seed);
    Tree tree(position);
    for (int i = 0; i < playouts && !stop.stop_requested(); ++i)
        tree.grow(rng);
    const std::vector<Tree::Tally> tallies = tree.rootTallies();
    const Tree::Tally& best = mostPlayed(tallies);
    Judgement judgement;
    const float visits = float(std::max(best.visits, 1));
    for (int seat = 1; seat <= rules::Seats; ++seat)
        judgement.chances[seat] = best.wins[seat] / visits;
    if (best.move != Tree::PassMove)
        judgement.preferred = {rules::Board::colOf(best.move), rules::Board::rowOf(best.move)};
    return judgement;
}

std::vector<MoveReview> reviewMoves(const std::vector<rules::Position>& positions,
                                    const std::vector<rules::Cell>& played, const std::vector<Judgement>& judgements)
{
    assert(positions.size() == played.size() + 1 && judgements.size() == positions.size());
    std::vector<MoveReview> reviews;
    for (std::size_t k = 0; k < played.size(); ++k) {
        MoveReview review;
        review.seat = positions[k].toMove();
        review.before = judgements[k].chances;
        review.after = judgements[k + 1].chances[review.seat];
        review.preferred = judgements[k].preferred;
        if (played[k] != review.preferred)
            review.loss = std::max(0.0f, review.before[review.seat] - review.after);
        reviews.push_back(review);
    }
    return reviews;
}

} // namespace ai
