// Computer players against each other and against a fixed yardstick, four seats in one
// process and no network: how often the first-named player wins, and how long levels 3 and 4
// think per move.
//
//   taisen_tournament [--games N] [--yardstick-games N] [--threads N] [--samples N] [--part P]
//                     [--size N] [--rule points|count] [--every N] [--first N]
//
// --games: games per line of the levels' table (each line is one matchup, board size, scoring
// rule and rotation switch). --yardstick-games: games per line of the yardstick's table, where
// levels 3 and 4 meet three plain UCT players and rotation alternates from game to game. The
// first-named player's seat goes round 1, 2, 3, 4. --threads: games played at once; level 4
// searches on every core by itself, so its lines are fairest with 1. --samples: mid-game
// positions timed on 26 × 26. --part: levels, yardstick3, yardstick4 or all (the default).
// --size and --rule keep only the yardstick's lines of that board size or scoring rule, so that
// one line can be measured alone. --every: games between the standings printed while one line
// is played (32), fewer for a large board, whose games take minutes. --first: the number of each
// line's first game (0), which fixes its seats, rotation and random numbers: a line too long for
// one sitting is played in pieces that together are the games of one run.
#include "ai/choose.h"
#include "ai/playout.h"
#include "bench/plain_uct.h"
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Millis = std::chrono::duration<double, std::milli>;

struct Options {
    int games = 32;
    int yardstickGames = 32;
    int threads = 2;
    int samples = 24;
    std::string part = "all";
    int size = 0;     // 0: every size
    std::string rule; // empty: both rules
    int every = 32;
    int first = 0;
};

// A level, or the yardstick with a number of playouts a move.
struct Player {
    ai::Level level;
    int playouts = 0;

    bool thinksByClock() const { return playouts == 0 && level >= ai::Level::Strong; }
    std::string name() const
    {
        std::string name = playouts ? "UCT" : "L";
        return name += std::to_string(playouts ? playouts : static_cast<int>(level));
    }
    rules::Cell choose(const rules::Position& position, std::mt19937& rng) const
    {
        return playouts ? bench::plainUct(position, playouts, rng) : ai::chooseCell(position, level, rng);
    }
};

struct Setup {
    Player hero;
    Player others;
    int size;
    rules::Scoring scoring;
    int rotation; // 0 off, 1 on, 2 alternating from game to game
    int games;
};

// Processor time of the calling thread, which is one of those a level searches on.
double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

struct Outcome {
    double share = 0;                // of the hero
    std::vector<double> thinkMs;     // each move of a player that thinks by the clock
    std::vector<double> processorMs; // of the same moves
};

bool rotationOf(const Setup& setup, int game)
{
    return setup.rotation == 2 ? game / rules::Seats % 2 == 1 : setup.rotation;
}

Outcome playGame(const Setup& setup, int game)
{
    std::mt19937 rng(static_cast<unsigned>(setup.size * 1000003 + game * 7919 + int(setup.scoring) * 31 +
                                           setup.rotation * 17 + setup.others.playouts * 5 +
                                           static_cast<int>(setup.others.level) * 3));
    const int hero = game % rules::Seats + 1;
    rules::Position position = rules::Position::newGame(setup.size, setup.scoring, rotationOf(setup, game));
    Outcome outcome;
    while (!position.over()) {
        const Player& player = position.toMove() == hero ? setup.hero : setup.others;
        const auto start = ai::Clock::now();
        const double processorStart = threadMs();
        const rules::Cell cell = player.choose(position, rng);
        if (player.thinksByClock()) {
            outcome.thinkMs.push_back(Millis(ai::Clock::now() - start).count());
            outcome.processorMs.push_back(threadMs() - processorStart);
        }
        position.play(cell);
    }
    outcome.share = ai::winShares(position)[hero];
    return outcome;
}

struct Summary {
    double mean = 0;
    double halfWidth = 0; // of the 95 % interval
};

Summary summarize(const std::vector<double>& shares)
{
    const double n = static_cast<double>(shares.size());
    Summary s;
    for (double x : shares)
        s.mean += x / n;
    double variance = 0;
    for (double x : shares)
        variance += (x - s.mean) * (x - s.mean) / std::max(1.0, n - 1);
    s.halfWidth = 1.96 * std::sqrt(variance / n);
    return s;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

double worst(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Runs fn(0..count-1) on the given number of threads.
template <class Fn>
void inParallel(int count, int threads, Fn fn)
{
    std::atomic<int> next{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (int i = next++; i < count; i = next++)
                fn(i);
        });
    for (std::thread& worker : workers)
        worker.join();
}

const char* ruleName(rules::Scoring scoring)
{
    return scoring == rules::Scoring::Count ? "count " : "points";
}
const char* rotationName(int rotation)
{
    return rotation == 2 ? "alternating" : rotation ? "on " : "off";
}

void printRow(const std::string& label, const std::vector<double>& shares)
{
    const Summary s = summarize(shares);
    std::printf("%-40s %5zu games  %5.1f %% ± %4.1f\n", label.c_str(), shares.size(), 100 * s.mean, 100 * s.halfWidth);
}

// Lines in groups of `group` that share a matchup and a size; each group ends with its total.
std::vector<Setup> levelSetups(int games)
{
    const std::pair<ai::Level, ai::Level> matchups[] = {{ai::Level::Strong, ai::Level::Random},
                                                        {ai::Level::Strong, ai::Level::Greedy},
                                                        {ai::Level::Greedy, ai::Level::Random}};
    std::vector<Setup> setups;
    for (const auto& [hero, others] : matchups)
        for (int size : {8, 13})
            for (rules::Scoring scoring : {rules::Scoring::Points, rules::Scoring::Count})
                for (int rotation : {0, 1})
                    setups.push_back({{hero}, {others}, size, scoring, rotation, games});
    return setups;
}

std::vector<Setup> yardstickSetups(ai::Level level, int playouts, int games)
{
    std::vector<Setup> setups;
    for (int size : {8, 13})
        for (rules::Scoring scoring : {rules::Scoring::Points, rules::Scoring::Count})
            setups.push_back({{level}, {ai::Level::Strong, playouts}, size, scoring, 2, games});
    return setups;
}

// Thinking times of levels 3 and 4 by board size, wall and processor.
struct Thinking {
    std::vector<double> at8, processorAt8;
    std::vector<double> at13, processorAt13;
};

void addThinking(Thinking& thinking, const Setup& setup, const Outcome& outcome)
{
    const bool small = setup.size == 8;
    std::vector<double>& wall = small ? thinking.at8 : thinking.at13;
    std::vector<double>& processor = small ? thinking.processorAt8 : thinking.processorAt13;
    wall.insert(wall.end(), outcome.thinkMs.begin(), outcome.thinkMs.end());
    processor.insert(processor.end(), outcome.processorMs.begin(), outcome.processorMs.end());
}

// A line played alone tells how it stands after every so many games, so that a run cut
// short still yields a number.
// Plays every game of the setups and prints their table, `group` lines to a total.
void table(const std::vector<Setup>& setups, std::size_t group, const Options& options, Thinking& thinking)
{
    const int games = setups.front().games;
    std::vector<Outcome> outcomes(setups.size() * games);
    std::mutex progress;
    std::vector<double> finished;
    const auto every = static_cast<std::size_t>(options.every);
    inParallel(static_cast<int>(outcomes.size()), options.threads, [&](int i) {
        outcomes[i] = playGame(setups[i / games], options.first + i % games);
        const std::lock_guard<std::mutex> lock(progress);
        finished.push_back(outcomes[i].share);
        if (setups.size() == 1 && finished.size() % every == 0 && finished.size() < outcomes.size())
            printRow("    so far", finished);
    });
    for (std::size_t first = 0; first < setups.size(); first += group) {
        const Setup& head = setups[first];
        std::vector<double> all;
        for (std::size_t k = first; k < first + group; ++k) {
            std::vector<double> shares;
            for (int g = 0; g < games; ++g) {
                shares.push_back(outcomes[k * games + g].share);
                addThinking(thinking, setups[k], outcomes[k * games + g]);
            }
            all.insert(all.end(), shares.begin(), shares.end());
            printRow(std::string("  ") + ruleName(setups[k].scoring) + ", rotation " + rotationName(setups[k].rotation),
                     shares);
        }
        if (group > 1)
            printRow(head.hero.name() + " vs 3 x " + head.others.name() + ", " + std::to_string(head.size) + " x " +
                         std::to_string(head.size),
                     all);
    }
}

bool keeps(const Options& options, const Setup& setup)
{
    const bool count = setup.scoring == rules::Scoring::Count;
    return (!options.size || options.size == setup.size) &&
           (options.rule.empty() || options.rule == (count ? "count" : "points"));
}

// The yardstick's lines, one per size and rule, each under a heading that names the matchup
// and printed as soon as its games are over, so that a run cut short still tells something.
void yardstickTable(ai::Level level, int playouts, const Options& options, Thinking& thinking)
{
    for (const Setup& setup : yardstickSetups(level, playouts, options.yardstickGames)) {
        if (!keeps(options, setup))
            continue;
        std::printf("%s vs 3 x %s, %d x %d\n", setup.hero.name().c_str(), setup.others.name().c_str(), setup.size,
                    setup.size);
        table({setup}, 1, options, thinking);
    }
}

// A level on positions reached by random play to a quarter, half and three quarters of a
// 26 × 26 board.
std::vector<double> thinkingAt26(ai::Level level, int samples)
{
    std::vector<double> times;
    std::mt19937 rng(26);
    for (int sample = 0; sample < samples; ++sample) {
        const rules::Scoring scoring = sample % 2 == 1 ? rules::Scoring::Count : rules::Scoring::Points;
        rules::Position position = rules::Position::newGame(26, scoring, sample % 4 >= 2);
        const int placements = 26 * 26 * (1 + sample % 3) / 4;
        for (int made = 0; made < placements && !position.over();) {
            const rules::Cell cell = ai::chooseCell(position, ai::Level::Random, rng);
            made += !cell.isPass();
            position.play(cell);
        }
        if (position.over())
            continue;
        const auto start = ai::Clock::now();
        ai::chooseCell(position, level, rng);
        times.push_back(Millis(ai::Clock::now() - start).count());
    }
    return times;
}

void printTimes(const char* label, const std::vector<double>& times)
{
    std::printf("  %-36s %7.1f  %7.1f  %6zu\n", label, median(times), worst(times), times.size());
}

// The processor time shows how often the ceiling of wall time cut a search short.
void printThinking(ai::Level level, const Thinking& thinking, int samples)
{
    std::printf("\nLevel %d thinking time per move (ms)       median    worst   moves\n", static_cast<int>(level));
    printTimes("8 x 8, wall", thinking.at8);
    printTimes("8 x 8, processor of one thread", thinking.processorAt8);
    printTimes("13 x 13, wall", thinking.at13);
    printTimes("13 x 13, processor of one thread", thinking.processorAt13);
    printTimes("26 x 26 (mid-game positions, alone)", thinkingAt26(level, samples));
}

[[noreturn]] void usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s [--games N] [--yardstick-games N] [--threads N] [--samples N] "
                 "[--part levels|yardstick3|yardstick4|all] [--size N] [--rule points|count] [--every N] "
                 "[--first N]\n",
                 program);
    std::exit(2);
}

bool oneOf(const std::string& word, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return word == w; });
}

// A misspelt part or rule would otherwise select nothing and print an empty table.
Options parse(int argc, char** argv)
{
    Options options;
    if (argc % 2 == 0)
        usage(argv[0]);
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string* const word = !std::strcmp(argv[i], "--part")   ? &options.part
                                  : !std::strcmp(argv[i], "--rule") ? &options.rule
                                                                    : nullptr;
        if (word) {
            *word = argv[i + 1];
            continue;
        }
        const int value = std::atoi(argv[i + 1]);
        int* const target = !std::strcmp(argv[i], "--games")             ? &options.games
                            : !std::strcmp(argv[i], "--yardstick-games") ? &options.yardstickGames
                            : !std::strcmp(argv[i], "--threads")         ? &options.threads
                            : !std::strcmp(argv[i], "--samples")         ? &options.samples
                            : !std::strcmp(argv[i], "--size")            ? &options.size
                            : !std::strcmp(argv[i], "--every")           ? &options.every
                            : !std::strcmp(argv[i], "--first")           ? &options.first
                                                                         : nullptr;
        if (!target || value < (target == &options.first ? 0 : 1))
            usage(argv[0]);
        *target = value;
    }
    if (!oneOf(options.part, {"levels", "yardstick3", "yardstick4", "all"}) ||
        !oneOf(options.rule, {"", "points", "count"}))
        usage(argv[0]);
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line as it comes, also into a file
    const auto wanted = [&](const char* part) { return options.part == "all" || options.part == part; };
    std::printf("%d threads; win share of the first-named player (ties shared; an equal player wins 25 %%), "
                "95 %% interval\n\n",
                options.threads);
    Thinking strong, strongest;
    if (wanted("levels")) {
        std::printf("%d games per line\n", options.games);
        table(levelSetups(options.games), 4, options, strong);
    }
    if (wanted("yardstick3"))
        yardstickTable(ai::Level::Strong, 1000, options, strong);
    if (wanted("yardstick4"))
        yardstickTable(ai::Level::Strongest, 5000, options, strongest);
    if (wanted("levels") || wanted("yardstick3"))
        printThinking(ai::Level::Strong, strong, options.samples);
    if (wanted("yardstick4"))
        printThinking(ai::Level::Strongest, strongest, std::max(1, options.samples / 4));
}
