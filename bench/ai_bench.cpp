#include "ai/playout.h"
#include <benchmark/benchmark.h>
#include <random>

namespace {

// A search's strength at a fixed budget grows with the playouts it can afford, so their speed
// is the number to watch when the playout policy changes.
void PlayoutFromTheStart(benchmark::State& state)
{
    const auto scoring = state.range(1) != 0 ? rules::Scoring::Count : rules::Scoring::Points;
    const rules::Position start = rules::Position::newGame(static_cast<int>(state.range(0)), scoring, true);
    std::mt19937 rng(5);
    ai::LegalDraw draws;
    for (auto _ : state) {
        rules::Position position = start;
        ai::playToEnd(position, rng, draws);
        benchmark::DoNotOptimize(ai::worth(position));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlayoutFromTheStart)
    ->ArgsProduct({{8, 13, 26}, {0, 1}})
    ->ArgNames({"size", "countRule"})
    ->Unit(benchmark::kMicrosecond);

} // namespace
