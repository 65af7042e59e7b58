#include "record/listindex.h"
#include "record/recordstore.h"
#include "record/replay.h"
#include "record/standings.h"
#include "tests/support/playedgame.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <benchmark/benchmark.h>
#include <cstdlib>
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

// Records of 8 × 8 games among eight people, as a station leaves them, written an hour ago.
void fillFolder(const QString& folder, int count)
{
    std::mt19937 random(1);
    const auto game = randomGame(random, 8, 0);
    const QDateTime anHourAgo = QDateTime::currentDateTime().addSecs(-3600);
    for (int i = 0; i < count; ++i) {
        auto copy = game;
        copy.played = copy.played.addSecs(60 * i);
        std::shuffle(copy.names.begin(), copy.names.end(), random);
        QFile file(QDir(folder).filePath(copy.played.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + "_seat1.txt"));
        if (!file.open(QIODevice::WriteOnly) || !file.write(record::recordText(copy)) ||
            !file.setFileTime(anHourAgo, QFileDevice::FileModificationTime))
            std::abort();
    }
}

void listAndRank(const QString& folder)
{
    const auto listed = record::listRecords(folder);
    std::vector<record::Record> games;
    games.reserve(listed.size());
    for (const auto& l : listed)
        games.push_back(l.game);
    benchmark::DoNotOptimize(record::standings(games));
}

// Many evenings' worth of records, listed and reduced to the standings as the Records window
// does when it opens; the listing before kept what it read in the folder's index.
void ListAndRankRecords(benchmark::State& state)
{
    QTemporaryDir folder;
    fillFolder(folder.path(), int(state.range(0)));
    listAndRank(folder.path());
    for (auto _ : state)
        listAndRank(folder.path());
}
BENCHMARK(ListAndRankRecords)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same when no listing came before: every file is read and the index written.
void ListAndRankRecordsFirstTime(benchmark::State& state)
{
    QTemporaryDir folder;
    fillFolder(folder.path(), int(state.range(0)));
    for (auto _ : state) {
        QFile::remove(record::indexPath(folder.path()));
        listAndRank(folder.path());
    }
}
BENCHMARK(ListAndRankRecordsFirstTime)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

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
