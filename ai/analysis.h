#pragma once
#include "ai/playout.h"
#include "rules/position.h"
#include <stop_token>
#include <vector>

// A finished game looked at afterwards: each position searched with a fixed number of playouts
// (not for a time), so that the same game is judged alike on every run and every machine.
namespace ai {

// Playouts a position of a board up to 13 × 13 gets unless asked otherwise, and the most that
// may be asked: what judges a 26 × 26 game within ten minutes on two cores (docs/STRENGTH.md).
constexpr int UsualEffort = 3000;
constexpr int MaxEffort = 5000;

// The playouts a position gets when none are asked: fewer on larger boards, whose games and
// playouts are longer, so that a 26 × 26 game is judged within two minutes on two cores.
int usualEffort(int boardSize);
// The largest board whose positions get the whole usual effort.
int usualEffortSize();
// `asked` playouts, or the usual ones for the board when none (0) were asked.
int effortOn(int asked, int boardSize);

// What the search found in one position.
struct Judgement {
    // Each seat's chance to finish first, a first place shared by k counting 1/k; they sum to 1.
    Shares chances{};
    // Each seat's expected share of all points at the end: its standing, which moves with every
    // face won or lost even once one seat has run away. They sum to 1.
    Shares standing{};
    // The cell the search would play: a pass only when none is legal or the game is over.
    rules::Cell preferred;
};

// What seeds the search of the position after `played` moves.
unsigned seedOf(int played);

// A search of `playouts` playouts (at least one) from position, its draws seeded by seed; the
// same arguments judge alike on any thread. A game that is over is judged by its result. Once
// stop is requested it ends early, and what it answers is of no use.
Judgement judge(const rules::Position& position, int playouts, unsigned seed, std::stop_token stop = {});

// How far the mover's standing may differ between two searches of one position with `effort`
// playouts and other seeds (measured, docs/STRENGTH.md): a smaller loss may be the search's own.
float mistakeMargin(int effort);

// One move as the analysis saw it.
struct MoveReview {
    int seat = 0;      // the mover
    Shares before{};   // each seat's chance to finish first before the move
    Shares standing{}; // each seat's standing before the move
    float after = 0;   // the mover's standing after it
    rules::Cell preferred;
    // The mover's standing lost by the move: never below 0, and none for the cell the search preferred.
    float loss = 0;
    float margin = 0; // the loss beyond which the move is a mistake
    bool mistake() const { return loss > margin; }
};

// The move `played` from a position judged `here`, whose next position was judged `next`, both
// with `effort` playouts.
MoveReview reviewMove(const rules::Position& position, rules::Cell played, const Judgement& here, const Judgement& next,
                      int effort);

// positions[k] is the game after k moves, played[k] the move made there, and judgements[k]
// positions[k]'s; there is one position more than moves.
std::vector<MoveReview> reviewMoves(const std::vector<rules::Position>& positions,
                                    const std::vector<rules::Cell>& played, const std::vector<Judgement>& judgements,
                                    int effort);

} // namespace ai
