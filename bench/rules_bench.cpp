#include "rules/game.h"
#include <benchmark/benchmark.h>
#include <random>

namespace {

const QStringList Names{"a", "b", "c", "d"};
constexpr int Size = 26;

// Random legal placements, with a pass whenever a seat has none, until the game ends or
// `moves` moves are made.
void playRandomly(rules::Game& game, std::mt19937& random, int moves)
{
    while (!game.gameOver() && moves-- > 0) {
        const auto cells = game.legalCells();
        if (cells.empty()) {
            game.play(rules::Pass);
            continue;
        }
        const auto [col, row] = cells[random() % cells.size()];
        game.play({col, row});
    }
}

void LegalCellScanMidGame(benchmark::State& state)
{
    rules::Game game;
    game.Reset({Size, rules::Scoring::Points, 30, true}, Names);
    std::mt19937 random(7);
    playRandomly(game, random, Size * Size / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.legalCells());
    state.counters["legal"] = static_cast<double>(game.legalCells().size());
}
BENCHMARK(LegalCellScanMidGame)->Unit(benchmark::kMicrosecond);

void WholeRandomGame(benchmark::State& state)
{
    rules::Game game;
    std::mt19937 random(11);
    for (auto _ : state) {
        game.Reset({Size, state.range(0) != 0 ? rules::Scoring::Count : rules::Scoring::Points, 30, true}, Names);
        playRandomly(game, random, 4 * Size * Size);
        benchmark::DoNotOptimize(game.scores());
    }
}
BENCHMARK(WholeRandomGame)->Arg(0)->Arg(1)->ArgNames({"countRule"})->Unit(benchmark::kMillisecond);

} // namespace

// The one entry point of the benchmark program.
BENCHMARK_MAIN();
