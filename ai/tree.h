#pragma once
#include "ai/playout.h"
#include "rules/position.h"
#include <random>
#include <vector>

namespace ai {

// A Monte-Carlo search tree over the turns of all four seats, each seat choosing for its own
// share of the win (max-n), grown one playout at a time. One thread owns it.
class Tree {
public:
    // position is not over.
    explicit Tree(const rules::Position& position);

    // One descent by the confidence bound, one new node, one playout, and its result added
    // along the way back.
    void grow(std::mt19937& rng);

    struct Tally {
        int move; // the index placed, or PassMove
        int visits;
        float won;     // the mover's shares summed
        Shares wins;   // each seat's win share summed over the playouts, with no points in it
        Shares points; // each seat's share of the points summed over the playouts
    };
    // What the search found for each move of the root, in the order they were first tried.
    std::vector<Tally> rootTallies() const;

    static constexpr int PassMove = -1;

private:
    struct Node {
        int move;
        int mover;          // the seat that made the move into this node
        int firstChild = 0; // children lie together, in the order they are first tried
        int children = 0;
        int visits = 0;
        float won = 0;
    };

    int select(const Node& parent) const;
    void expand(int at, const rules::Position& position);

    rules::Position root_;
    std::vector<Node> nodes_;
    std::vector<int> path_;          // of the current descent
    std::vector<Shares> rootWins_;   // by child of the root
    std::vector<Shares> rootPoints_; // by child of the root
    LegalDraw draws_;                // for the playouts
};

// The tally a search plays: the most visited, the more won of equals.
const Tree::Tally& mostPlayed(const std::vector<Tree::Tally>& tallies);

} // namespace ai
