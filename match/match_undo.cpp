#include "match/match.h"

// Taking moves back and playing them again in a game alone. Seats move in turn, passes
// included, so the seat of the move at index i is i % 4 + 1.
namespace match {

namespace {

// How many moves lie between the start of `seat`'s last turn in `played` moves and now;
// 0 when that seat has not moved yet.
int sinceTurnOf(int seat, int played)
{
    if (seat < 1 || seat > rules::Seats || played < seat)
        return 0;
    return (played - seat) % rules::Seats + 1;
}

} // namespace

bool Match::canUndo() const
{
    return !table_ && running() && sinceTurnOf(mySeat(), int(game_.moves().size())) > 0;
}

void Match::undo()
{
    if (!canUndo())
        return;
    const std::vector<rules::Cell>& moves = game_.moves();
    const int count = sinceTurnOf(mySeat(), int(moves.size()));
    undone_.insert(undone_.begin(), moves.end() - count, moves.end());
    takeBack(count);
    askNext();
}

bool Match::canRedo() const
{
    return !table_ && running() && !undone_.empty();
}

// At least one move, then on until this station's seat is to move again or the game ends.
void Match::redo()
{
    if (!canRedo())
        return;
    leaveTurn();
    do {
        game_.play(undone_.front());
        undone_.erase(undone_.begin());
    } while (!undone_.empty() && !game_.gameOver() && game_.curPlayer() != mySeat());
    emit jumped();
    if (!game_.gameOver())
        askNext();
}

} // namespace match
