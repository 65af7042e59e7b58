// How far the mover's standing differs between two searches of one position with other seeds:
// the margin below which a loss of the analysis may be the search's own (docs/STRENGTH.md).
// Positions of computer games of levels 1 and 2 on 8 × 8 and 13 × 13, both rules.
#include "ai/analysis.h"
#include "record/replay.h"
#include "tests/support/computergame.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

constexpr int Games = 6; // a kind of game
constexpr int Every = 5; // a position in so many is searched
constexpr unsigned OtherSeeds = 0x5BD1E995u;

std::vector<rules::Position> sampledPositions()
{
    std::vector<rules::Position> sample;
    for (const int size : {8, 13})
        for (const auto scoring : {rules::Scoring::Points, rules::Scoring::Count})
            for (int game = 0; game < Games; ++game) {
                const record::Replay replay(computerGame(unsigned(1000 + game), size, scoring, game % 2 == 1));
                for (int k = game % Every; k < replay.moves(); k += Every)
                    sample.push_back(replay.after(k));
            }
    return sample;
}

// The mover's standing in each position by one seed and by another, two positions at a time.
std::vector<float> differences(const std::vector<rules::Position>& sample, int effort)
{
    std::vector<float> found(sample.size());
    const auto work = [&](std::size_t first) {
        for (std::size_t k = first; k < sample.size(); k += 2) {
            const int mover = sample[k].toMove();
            const float a = ai::judge(sample[k], effort, ai::seedOf(int(k))).standing[mover];
            const float b = ai::judge(sample[k], effort, ai::seedOf(int(k)) ^ OtherSeeds).standing[mover];
            found[k] = std::fabs(a - b);
        }
    };
    std::jthread other(work, 1);
    work(0);
    return found;
}

float percentile(std::vector<float> values, double at)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(at * double(values.size() - 1))];
}

} // namespace

int main()
{
    const std::vector<rules::Position> sample = sampledPositions();
    std::printf("%zu positions\n%8s %8s %8s %8s %8s %8s\n", sample.size(), "effort", "mean", "p95", "p99", "max",
                "margin");
    for (const int effort : {ai::UsualEffort / 4, ai::UsualEffort}) {
        const std::vector<float> d = differences(sample, effort);
        double sum = 0;
        for (const float v : d)
            sum += v;
        std::printf("%8d %8.4f %8.4f %8.4f %8.4f %8.4f\n", effort, sum / double(d.size()), percentile(d, 0.95),
                    percentile(d, 0.99), percentile(d, 1.0), ai::mistakeMargin(effort));
    }
}
