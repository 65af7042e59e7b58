#include "ai/search.h"
#include "ai/evaluate.h"
#include <algorithm>
#include <utility>

namespace ai {

namespace {

constexpr int Infinity = 1 << 30;
constexpr long ClockEvery = 256; // nodes between two looks at the clock

// A paranoid search: the root seat picks its best move, the other three together pick what
// is worst for it, so alpha-beta cut-offs apply at every level.
class Search {
public:
    Search(int root, Clock::time_point deadline) : root_(root), deadline_(deadline) {}

    // Value for the root seat of a position searched to depth more turns, within
    // (alpha, beta); meaningless once aborted.
    int value(const rules::Position& position, int depth, int alpha, int beta);
    // The best of moves at the root, tried in their order, and its value.
    std::pair<int, int> best(const rules::Position& position, const std::vector<int>& moves, int depth);
    bool aborted() const { return aborted_; }

private:
    bool outOfTime();

    int root_;
    Clock::time_point deadline_;
    long nodes_ = 0;
    bool aborted_ = false;
};

// The legal indices, the largest gain first: a good move early narrows the window sooner.
std::vector<int> ordered(const rules::Position& position, const std::vector<int>& legal)
{
    std::vector<std::pair<int, int>> scored;
    for (int at : legal)
        scored.emplace_back(-position.gainOf(at), at);
    std::sort(scored.begin(), scored.end());
    std::vector<int> moves;
    moves.reserve(scored.size());
    for (const auto& [gain, at] : scored)
        moves.push_back(at);
    return moves;
}

bool Search::outOfTime()
{
    if (++nodes_ % ClockEvery == 0 && Clock::now() >= deadline_)
        aborted_ = true;
    return aborted_;
}

int Search::value(const rules::Position& position, int depth, int alpha, int beta)
{
    if (outOfTime())
        return 0;
    if (depth == 0 || position.over())
        return evaluate(position, root_);
    const std::vector<int> moves = ordered(position, position.legalIndices());
    if (moves.empty()) {
        rules::Position next = position;
        next.pass();
        return value(next, depth - 1, alpha, beta);
    }
    const bool mine = position.toMove() == root_;
    for (int at : moves) {
        rules::Position next = position;
        next.place(at);
        const int v = value(next, depth - 1, alpha, beta);
        if (mine)
            alpha = std::max(alpha, v);
        else
            beta = std::min(beta, v);
        if (alpha >= beta)
            break;
    }
    return mine ? alpha : beta;
}

std::pair<int, int> Search::best(const rules::Position& position, const std::vector<int>& moves, int depth)
{
    int alpha = -Infinity;
    int chosen = moves.front();
    for (int at : moves) {
        rules::Position next = position;
        next.place(at);
        const int v = value(next, depth - 1, alpha, Infinity);
        if (v > alpha) {
            alpha = v;
            chosen = at;
        }
    }
    return {chosen, alpha};
}

} // namespace

int searchChoice(const rules::Position& position, const std::vector<int>& legal, Clock::time_point deadline)
{
    const Clock::time_point start = Clock::now();
    std::vector<int> moves = ordered(position, legal);
    int chosen = moves.front();
    Search search(position.toMove(), deadline);
    // A depth takes several times the one before, so one that would end past the deadline
    // is not begun. Beyond the empty cells (and a round of passes) nothing more can happen.
    const int deepest = position.emptyCells() + rules::Seats;
    for (int depth = 1; depth <= deepest; ++depth) {
        const std::pair<int, int> found = search.best(position, moves, depth);
        if (search.aborted())
            break;
        chosen = found.first;
        std::stable_partition(moves.begin(), moves.end(), [chosen](int at) { return at == chosen; });
        if (found.second >= WinValue / 2 || Clock::now() - start > (deadline - start) / 3)
            break;
    }
    return chosen;
}

} // namespace ai
