#include "ai/choose.h"
#include "ai/gameanalysis.h"
#include "record/replay.h"
#include "tests/support/computergame.h"
#include <benchmark/benchmark.h>

namespace {

// A whole game analysed at the usual effort on every core, as the replay's 分析 and
// taisen --analyze do it: wall time, which docs/STRENGTH.md holds to 10 s on 8 × 8 and 60 s
// on 13 × 13 on two cores. The games are of the computer levels 1 and 2, the same every run.
void AnalysisOfAWholeGame(benchmark::State& state)
{
    const int size = int(state.range(0));
    const auto scoring = state.range(1) != 0 ? rules::Scoring::Count : rules::Scoring::Points;
    const record::Replay replay(computerGame(unsigned(size), size, scoring, true));
    for (auto _ : state) {
        ai::GameAnalysis analysis(replay.positions(), ai::UsualEffort, ai::coreCount());
        analysis.wait();
        benchmark::DoNotOptimize(analysis.judgements().data());
    }
    state.counters["moves"] = replay.moves();
}
BENCHMARK(AnalysisOfAWholeGame)
    ->ArgsProduct({{8, 13}, {0, 1}})
    ->ArgNames({"size", "countRule"})
    ->UseRealTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
