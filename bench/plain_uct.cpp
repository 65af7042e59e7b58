#include "bench/plain_uct.h"
#include "ai/playout.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

namespace {

constexpr int PassMove = -1;

struct Node {
    int move;  // the index placed into this node, or PassMove
    int mover; // the seat that made it
    std::vector<int> children;
    bool expanded = false;
    int visits = 0;
    double won = 0; // the mover's shares summed over the playouts through here
};

void apply(rules::Position& position, int move)
{
    if (move == PassMove)
        position.pass();
    else
        position.place(move);
}

class Uct {
public:
    explicit Uct(const rules::Position& root) : root_(root) { nodes_.push_back({PassMove, 0, {}}); }

    void iterate(std::mt19937& rng);
    int mostVisited() const;

private:
    int select(int parent) const;
    void expand(int at, const rules::Position& position);

    rules::Position root_;
    std::vector<Node> nodes_;
    ai::LegalDraw draws_; // for the playouts
};

// UCB1: an unvisited child first, then mean + sqrt(2 ln N / n).
int Uct::select(int parent) const
{
    const double logParent = std::log(static_cast<double>(nodes_[parent].visits));
    int best = -1;
    double bestValue = -1;
    for (int child : nodes_[parent].children) {
        const Node& n = nodes_[child];
        if (n.visits == 0)
            return child;
        const double value = n.won / n.visits + std::sqrt(2 * logParent / n.visits);
        if (value > bestValue) {
            bestValue = value;
            best = child;
        }
    }
    return best;
}

void Uct::expand(int at, const rules::Position& position)
{
    std::vector<int> moves = position.legalIndices();
    if (moves.empty())
        moves.push_back(PassMove);
    for (int move : moves) {
        nodes_[at].children.push_back(static_cast<int>(nodes_.size()));
        nodes_.push_back({move, position.toMove(), {}});
    }
    nodes_[at].expanded = true;
}

void Uct::iterate(std::mt19937& rng)
{
    rules::Position position = root_;
    std::vector<int> path{0};
    int at = 0;
    while (nodes_[at].expanded && !position.over()) {
        at = select(at);
        apply(position, nodes_[at].move);
        path.push_back(at);
    }
    if (!position.over()) {
        expand(at, position);
        at = select(at);
        apply(position, nodes_[at].move);
        path.push_back(at);
    }
    draws_.start(position.board());
    while (!position.over()) {
        int cell = 0;
        const bool placed = draws_.draw(position.board(), position.toMove(), rng, std::span(&cell, 1)) > 0;
        apply(position, placed ? cell : PassMove);
    }
    const ai::Shares shares = ai::winShares(position);
    for (int node : path) {
        ++nodes_[node].visits;
        nodes_[node].won += shares[nodes_[node].mover];
    }
}

int Uct::mostVisited() const
{
    const std::vector<int>& children = nodes_[0].children;
    return nodes_[*std::max_element(children.begin(), children.end(),
                                    [this](int a, int b) { return nodes_[a].visits < nodes_[b].visits; })]
        .move;
}

} // namespace

rules::Cell plainUct(const rules::Position& position, int playouts, std::mt19937& rng)
{
    if (position.legalIndices().empty())
        return rules::Pass;
    Uct search(position);
    for (int i = 0; i < std::max(playouts, 1); ++i)
        search.iterate(rng);
    const int move = search.mostVisited();
    return {rules::Board::colOf(move), rules::Board::rowOf(move)};
}

} // namespace bench
