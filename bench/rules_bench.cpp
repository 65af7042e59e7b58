#include "rules/game.h"
#include <benchmark/benchmark.h>
#include <random>

namespace {

// A screen that draws nothing and a clock that never waits: only the rules' own work is timed.
class SilentView : public rules::GameView {
public:
    void Put(int, int, int) override {}
    void PutAt(int, int, int) override {}
    void Del(int, int) override {}
    void DelBlock(int, int, int, int) override {}
    void repaintBoard() override {}
    void setBoardSize(int) override {}
    void showName(int, const QString&) override {}
    void showLamp(int, bool) override {}
    void showScore(int, const QString&) override {}
    void showGain(const QString&, int) override {}
    void showTimeLeft(const QString&) override {}
    void setCaption(const QString&) override {}
    void showStatus(const QString& text) override { over = !text.isEmpty(); }
    void showResult(const std::vector<rules::Place>&) override {}
    void play(rules::Sound) override {}
    void pause(int) override {}
    bool over = false;
};

class SilentStation : public rules::Station {
public:
    int mySeat() const override { return 1; }
    bool isHost() const override { return true; }
    bool rotationOn() const override { return true; }
    bool autoPlay() const override { return false; }
    void setBoardEnabled(bool) override {}
    void setPassEnabled(bool) override {}
    void setTimeoutInterval(int) override {}
    void startTimers() override {}
    void stopTimers() override {}
    void announce(int, int) override {}
    void Setting_enable(bool) override {}
};

const QStringList Names{"a", "b", "c", "d"};
constexpr int Size = 26;

// Random legal placements, with a pass whenever a seat has none, until the game ends or
// `moves` moves are made.
void playRandomly(rules::Game& game, SilentView& view, std::mt19937& random, int moves)
{
    while (!view.over && moves-- > 0) {
        const auto cells = game.legalCells();
        if (cells.empty()) {
            game.BtnPassClick();
            continue;
        }
        const auto [col, row] = cells[random() % cells.size()];
        game.TableSelectCell(col, row);
    }
}

void LegalCellScanMidGame(benchmark::State& state)
{
    SilentView view;
    SilentStation station;
    rules::Game game(view, station);
    game.Reset({Size, false, 30}, Names);
    std::mt19937 random(7);
    playRandomly(game, view, random, Size * Size / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.legalCells());
    state.counters["legal"] = static_cast<double>(game.legalCells().size());
}
BENCHMARK(LegalCellScanMidGame)->Unit(benchmark::kMicrosecond);

void WholeRandomGame(benchmark::State& state)
{
    SilentView view;
    SilentStation station;
    rules::Game game(view, station);
    std::mt19937 random(11);
    for (auto _ : state) {
        view.over = false;
        game.Reset({Size, state.range(0) != 0, 30}, Names);
        playRandomly(game, view, random, 4 * Size * Size);
        benchmark::DoNotOptimize(game.scores);
    }
}
BENCHMARK(WholeRandomGame)->Arg(0)->Arg(1)->ArgNames({"countRule"})->Unit(benchmark::kMillisecond);

} // namespace

// The one entry point of the benchmark program.
BENCHMARK_MAIN();
