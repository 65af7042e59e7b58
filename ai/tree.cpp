#include "ai/tree.h"
#include <algorithm>
#include <cmath>
#include <utility>

namespace ai {

namespace {

constexpr float Exploration = 0.8f;
// Beyond this many nodes the tree stops growing and its leaves only play out, so that a long
// search keeps its memory bounded (24 bytes a node, a tree for each thread of level 4).
constexpr std::size_t MaxNodes = 1'000'000;

void apply(rules::Position& position, int move)
{
    if (move == Tree::PassMove)
        position.pass();
    else
        position.place(move);
}

} // namespace

Tree::Tree(const rules::Position& position) : root_(position)
{
    nodes_.push_back({PassMove, 0});
    expand(0, root_);
    rootWins_.resize(std::size_t(nodes_[0].children));
    rootPoints_.resize(rootWins_.size());
}

// Children yet untried come first, in their order; then the best bound for the mover.
int Tree::select(const Node& parent) const
{
    const float spread = Exploration * std::sqrt(std::log(static_cast<float>(parent.visits)));
    int best = parent.firstChild;
    float bestBound = -1;
    for (int child = parent.firstChild; child < parent.firstChild + parent.children; ++child) {
        const Node& n = nodes_[child];
        if (n.visits == 0)
            return child;
        const float visits = static_cast<float>(n.visits);
        const float bound = n.won / visits + spread / std::sqrt(visits);
        if (bound > bestBound) {
            bestBound = bound;
            best = child;
        }
    }
    return best;
}

// The most promising moves are tried first, so that a search cut short still saw them.
void Tree::expand(int at, const rules::Position& position)
{
    std::vector<std::pair<int, int>> moves; // (-promise, index)
    for (int index : position.legalIndices())
        moves.emplace_back(-promise(position, index), index);
    std::sort(moves.begin(), moves.end());
    if (moves.empty())
        moves.emplace_back(0, PassMove);
    nodes_[at].firstChild = static_cast<int>(nodes_.size());
    nodes_[at].children = static_cast<int>(moves.size());
    for (const auto& [p, move] : moves)
        nodes_.push_back({move, position.toMove()});
}

void Tree::grow(std::mt19937& rng)
{
    rules::Position position = root_;
    path_.assign(1, 0);
    int at = 0;
    while (nodes_[at].children > 0) {
        at = select(nodes_[at]);
        apply(position, nodes_[at].move);
        path_.push_back(at);
    }
    if (!position.over() && nodes_[at].visits > 0 && nodes_.size() < MaxNodes) {
        expand(at, position);
        at = select(nodes_[at]);
        apply(position, nodes_[at].move);
        path_.push_back(at);
    }
    playToEnd(position, rng, draws_);
    const Shares shares = worth(position);
    for (int node : path_) {
        ++nodes_[node].visits;
        nodes_[node].won += shares[nodes_[node].mover];
    }
    const std::size_t child = std::size_t(path_[1] - nodes_[0].firstChild);
    const Shares wins = winShares(position);
    const Shares points = pointShares(position);
    for (int seat = 1; seat <= rules::Seats; ++seat) {
        rootWins_[child][seat] += wins[seat];
        rootPoints_[child][seat] += points[seat];
    }
}

std::vector<Tree::Tally> Tree::rootTallies() const
{
    std::vector<Tally> tallies;
    const Node& root = nodes_[0];
    for (int child = root.firstChild; child < root.firstChild + root.children; ++child)
        tallies.push_back({nodes_[child].move, nodes_[child].visits, nodes_[child].won,
                           rootWins_[std::size_t(child - root.firstChild)],
                           rootPoints_[std::size_t(child - root.firstChild)]});
    return tallies;
}

const Tree::Tally& mostPlayed(const std::vector<Tree::Tally>& tallies)
{
    return *std::max_element(tallies.begin(), tallies.end(), [](const Tree::Tally& a, const Tree::Tally& b) {
        return a.visits != b.visits ? a.visits < b.visits : a.won < b.won;
    });
}

} // namespace ai
