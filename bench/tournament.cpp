// Computer players against each other, four seats in one process and no network: how often
// the stronger level wins, and how long level 3 thinks per move.
//
//   taisen_tournament [--games N] [--budget MS] [--threads N] [--samples N]
//
// --games: games per line of the table (each line is one matchup, board size, scoring rule
// and rotation switch); the stronger player's seat goes round 1, 2, 3, 4 from game to game.
// --budget: level 3's thinking time per move. --samples: mid-game positions timed on 26 × 26.
#include "ai/choose.h"
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Millis = std::chrono::duration<double, std::milli>;

struct Options {
    int games = 32;
    int budgetMs = 180;
    int threads = 2;
    int samples = 24;
};

struct Matchup {
    ai::Level hero;
    ai::Level others;
};

struct Setup {
    Matchup matchup;
    int size;
    rules::Scoring scoring;
    bool rotation;
};

struct Outcome {
    double share = 0; // of the hero: 1 for a win, 1/k for the first place shared by k, else 0
    std::vector<double> thinkMs; // each level 3 move
};

// What the hero won: a tie for the first place is shared.
double shareOf(const rules::Position& position, int hero)
{
    const auto& s = position.scores();
    const int top = *std::max_element(s.begin() + 1, s.end());
    if (s[hero] != top)
        return 0;
    return 1.0 / static_cast<double>(std::count(s.begin() + 1, s.end(), top));
}

Outcome playGame(const Setup& setup, int game, const Options& options)
{
    std::mt19937 rng(static_cast<unsigned>(setup.size * 1000003 + game * 7919 + int(setup.scoring) * 31 +
                                           setup.rotation * 17 + static_cast<int>(setup.matchup.others) * 3));
    const int hero = game % rules::Seats + 1;
    rules::Position position = rules::Position::newGame(setup.size, setup.scoring, setup.rotation);
    Outcome outcome;
    while (!position.over()) {
        const ai::Level level = position.toMove() == hero ? setup.matchup.hero : setup.matchup.others;
        const auto start = ai::Clock::now();
        const rules::Cell cell = ai::chooseCell(position, level, rng, std::chrono::milliseconds(options.budgetMs));
        if (level == ai::Level::Strong)
            outcome.thinkMs.push_back(Millis(ai::Clock::now() - start).count());
        position.play(cell);
    }
    outcome.share = shareOf(position, hero);
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

const char* ruleName(rules::Scoring scoring) { return scoring == rules::Scoring::Count ? "count " : "points"; }

void printRow(const char* label, const std::vector<double>& shares)
{
    const Summary s = summarize(shares);
    std::printf("%-34s %5zu games  %5.1f %% ± %4.1f\n", label, shares.size(), 100 * s.mean, 100 * s.halfWidth);
}

std::vector<Setup> everySetup()
{
    const Matchup matchups[] = {{ai::Level::Strong, ai::Level::Random},
                                {ai::Level::Strong, ai::Level::Greedy},
                                {ai::Level::Greedy, ai::Level::Random}};
    std::vector<Setup> setups;
    for (const Matchup& m : matchups)
        for (int size : {8, 13})
            for (rules::Scoring scoring : {rules::Scoring::Points, rules::Scoring::Count})
                for (bool rotation : {false, true})
                    setups.push_back({m, size, scoring, rotation});
    return setups;
}

// Every game of every setup; prints the table, and gathers level 3's thinking times by size.
void tournament(const Options& options, std::vector<double>& think8, std::vector<double>& think13)
{
    const std::vector<Setup> setups = everySetup();
    std::vector<Outcome> outcomes(setups.size() * options.games);
    inParallel(static_cast<int>(outcomes.size()), options.threads, [&](int i) {
        outcomes[i] = playGame(setups[i / options.games], i % options.games, options);
    });
    std::printf("Win share of the first-named level (ties shared; an equal player wins 25 %%), 95 %% interval\n");
    for (std::size_t first = 0; first < setups.size(); first += 4) {
        const Setup& head = setups[first];
        std::vector<double> all;
        for (std::size_t k = first; k < first + 4; ++k) {
            std::vector<double> shares;
            for (int g = 0; g < options.games; ++g) {
                const Outcome& o = outcomes[k * options.games + g];
                shares.push_back(o.share);
                (head.size == 8 ? think8 : think13).insert((head.size == 8 ? think8 : think13).end(),
                                                           o.thinkMs.begin(), o.thinkMs.end());
            }
            all.insert(all.end(), shares.begin(), shares.end());
            char label[64];
            std::snprintf(label, sizeof label, "  %s, rotation %s", ruleName(setups[k].scoring),
                          setups[k].rotation ? "on " : "off");
            printRow(label, shares);
        }
        char label[64];
        std::snprintf(label, sizeof label, "L%d vs 3 x L%d, %d x %d", static_cast<int>(head.matchup.hero),
                      static_cast<int>(head.matchup.others), head.size, head.size);
        printRow(label, all);
    }
}

// Level 3 on positions reached by random play to a quarter, half and three quarters of a
// 26 × 26 board.
std::vector<double> thinkingAt26(const Options& options)
{
    std::vector<double> times;
    std::mt19937 rng(26);
    for (int sample = 0; sample < options.samples; ++sample) {
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
        ai::chooseCell(position, ai::Level::Strong, rng, std::chrono::milliseconds(options.budgetMs));
        times.push_back(Millis(ai::Clock::now() - start).count());
    }
    return times;
}

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const int value = std::atoi(argv[i + 1]);
        if (value <= 0) {
            std::fprintf(stderr, "%s needs a positive number\n", argv[i]);
            std::exit(2);
        }
        if (!std::strcmp(argv[i], "--games"))
            options.games = value;
        else if (!std::strcmp(argv[i], "--budget"))
            options.budgetMs = value;
        else if (!std::strcmp(argv[i], "--threads"))
            options.threads = value;
        else if (!std::strcmp(argv[i], "--samples"))
            options.samples = value;
        else {
            std::fprintf(stderr, "usage: %s [--games N] [--budget MS] [--threads N] [--samples N]\n", argv[0]);
            std::exit(2);
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    std::printf("%d games per line, level 3 budget %d ms, %d threads\n\n", options.games, options.budgetMs,
                options.threads);
    std::vector<double> think8, think13;
    tournament(options, think8, think13);
    const std::vector<double> think26 = thinkingAt26(options);
    std::printf("\nLevel 3 thinking time per move (ms)   median    worst   moves\n");
    std::printf("  8 x 8                              %7.1f  %7.1f  %6zu\n", median(think8), worst(think8), think8.size());
    std::printf(" 13 x 13                             %7.1f  %7.1f  %6zu\n", median(think13), worst(think13), think13.size());
    std::printf(" 26 x 26 (mid-game positions, alone) %7.1f  %7.1f  %6zu\n", median(think26), worst(think26), think26.size());
}
