#include "ai/montecarlo.h"
#include "ai/tree.h"
#include <algorithm>
#include <thread>

namespace ai {

namespace {

// Reading the processor clock is a call into the system; a few playouts between readings
// keep its cost small beside theirs.
constexpr int GrowsPerReading = 4;

std::vector<Tree::Tally> searched(const rules::Position& position, const Budget& budget, unsigned seed)
{
    const ThinkClock clock(budget);
    std::mt19937 rng(seed);
    Tree tree(position);
    do
        for (int i = 0; i < GrowsPerReading; ++i)
            tree.grow(rng);
    while (!clock.expired());
    return tree.rootTallies();
}

// Every tree lists the root's moves in the same order, so the counts add up place by place.
std::vector<Tree::Tally> added(const std::vector<std::vector<Tree::Tally>>& found)
{
    std::vector<Tree::Tally> sum = found.front();
    for (std::size_t tree = 1; tree < found.size(); ++tree)
        for (std::size_t i = 0; i < sum.size(); ++i) {
            sum[i].visits += found[tree][i].visits;
            sum[i].won += found[tree][i].won;
            for (int seat = 1; seat <= rules::Seats; ++seat)
                sum[i].wins[seat] += found[tree][i].wins[seat];
        }
    return sum;
}

} // namespace

int treeChoice(const rules::Position& position, const Budget& budget, int threads, std::mt19937& rng)
{
    std::vector<unsigned> seeds(std::max(threads, 1));
    for (unsigned& seed : seeds)
        seed = static_cast<unsigned>(rng());
    std::vector<std::vector<Tree::Tally>> found(seeds.size());
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < seeds.size(); ++t)
            helpers.emplace_back([&, t] { found[t] = searched(position, budget, seeds[t]); });
        found[0] = searched(position, budget, seeds[0]);
    }
    return mostPlayed(added(found)).move;
}

} // namespace ai
