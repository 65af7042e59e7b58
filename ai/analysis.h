#pragma once
#include "ai/playout.h"
#include "rules/position.h"
#include <stop_token>
#include <vector>

// A finished game looked at afterwards: each position searched with a fixed number of playouts
// (not for a time), so that the same game is judged alike on every run and every machine.
namespace ai {

// Playouts a position gets unless asked otherwise (docs/STRENGTH.md), and the most it may ask.
constexpr int UsualEffort = 3000;
constexpr int MaxEffort = 1'000'000;

// What the search found in one position.
struct Judgement {
    // Each seat's chance to finish first, a first place shared by k counting 1/k; they sum to 1.
    Shares chances{};
    // The cell the search would play: a pass only when none is legal or the game is over.
    rules::Cell preferred;
};

// What seeds the search of the position after `played` moves.
unsigned seedOf(int played);

// A search of `playouts` playouts (at least one) from position, its draws seeded by seed; the
// same arguments judge alike on any thread. A game that is over is judged by its result. Once
// stop is requested it ends early, and what it answers is of no use.
Judgement judge(const rules::Position& position, int playouts, unsigned seed, std::stop_token stop = {});

// A move that costs its mover at least this much of its chance is a mistake: four times what
// the mover's chance moves on average between the usual effort and ten times as many playouts.
constexpr float MistakeLoss = 0.1f;

// One move as the analysis saw it.
struct MoveReview {
    int seat = 0;    // the mover
    Shares before{}; // each seat's chance before the move
    float after = 0; // the mover's chance after it
    rules::Cell preferred;
    // The mover's chance lost by the move: never below 0, and none for the cell the search preferred.
    float loss = 0;
    bool mistake() const { return loss >= MistakeLoss; }
};

// positions[k] is the game after k moves, played[k] the move made there, and judgements[k]
// positions[k]'s; there is one position more than moves.
std::vector<MoveReview> reviewMoves(const std::vector<rules::Position>& positions,
                                    const std::vector<rules::Cell>& played, const std::vector<Judgement>& judgements);

} // namespace ai
