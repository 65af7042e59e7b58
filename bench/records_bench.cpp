#include "record/recordstore.h"
#include "record/replay.h"
#include "record/standings.h"
#include "tests/support/playedgame.h"
#include <QTemporaryDir>
#include <QTimeZone>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// A whole game as a station records it, among eight people on the first day of the year.
record::Record randomGame(std::mt19937& random, int size, int minute)
{
    static const std::array<QString, 8> people{"あおい", "たける", "みさき", "ゆうと", "Alice", "Bob", "Carol", "Dave"};
    record::Record game = playedGame(random, size, minute % 2 ? rules::Scoring::Count : rules::Scoring::Points, true);
    game.played = QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc()).addSecs(60 * minute);
    for (auto& name : game.names)
        name = people[random() % people.size()];
    game.ownSeat = 1;
    return game;
}

// An evening's worth of records many times over: 10,000 games of 8 × 8, read, listed and
// reduced to the standings, as the Records window does when it opens.
void ListAndRankTenThousandRecords(benchmark::State& state)
{
    QTemporaryDir folder;
    std::mt19937 random(1);
    const auto game = randomGame(random, 8, 0);
    for (int i = 0; i < 10000; ++i) {
        auto copy = game;
        copy.played = copy.played.addSecs(60 * i);
        std::shuffle(copy.names.begin(), copy.names.end(), random);
        record::saveRecord(folder.path(), copy);
    }
    for (auto _ : state) {
        const auto listed = record::listRecords(folder.path());
        std::vector<record::Record> games;
        games.reserve(listed.size());
        for (const auto& l : listed)
            games.push_back(*l.reading.game);
        benchmark::DoNotOptimize(record::standings(games));
    }
}
BENCHMARK(ListAndRankTenThousandRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

// A 26 × 26 record read and replayed to its last move, as opening it in a replay does.
void OpenALargeRecordAtItsEnd(benchmark::State& state)
{
    std::mt19937 random(2);
    const QByteArray text = record::recordText(randomGame(random, 26, 1));
    for (auto _ : state) {
        const auto reading = record::readRecord(text);
        const record::Replay replay(*reading.game);
        benchmark::DoNotOptimize(replay.after(replay.moves()).score(1));
    }
    state.counters["moves"] = double(record::readRecord(text).game->moves.size());
}
BENCHMARK(OpenALargeRecordAtItsEnd)->Unit(benchmark::kMillisecond);

} // namespace
