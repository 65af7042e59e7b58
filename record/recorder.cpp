#include "record/recorder.h"
#include "record/recordstore.h"
#include "rules/game.h"
#include <algorithm>

namespace record {

Recorder::Recorder(QString folder, Complaint complain) : folder_(std::move(folder)), complain_(std::move(complain))
{
}

Recorder::~Recorder()
{
    complain_ = nullptr; // the station that would hear it is going too
    write();
}

void Recorder::gameStarted(const rules::Game& game)
{
    write();
    Record started;
    const QDateTime now = QDateTime::currentDateTime();
    // Whole seconds, with the offset written out: the text holds no more.
    started.played = QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch(), Qt::OffsetFromUTC, now.offsetFromUtc());
    started.boardSize = game.boardSize();
    started.scoring = game.scoring();
    started.timeLimit = game.timeLimit();
    started.rotation = game.rotation();
    for (int seat = 1; seat <= rules::Seats; ++seat)
        started.names[std::size_t(seat - 1)] = game.name(seat);
    started.ownSeat = game.mySeat() >= 1 && game.mySeat() <= rules::Seats ? game.mySeat() : NoSeat;
    game_ = std::move(started);
}

void Recorder::movePlayed(int seat, rules::Cell cell)
{
    if (game_ && int(game_->moves.size()) < MaxMoves)
        game_->moves.push_back(Move{seat, cell.col, cell.row});
}

void Recorder::movesTakenBack(int count)
{
    if (game_)
        game_->moves.resize(std::size_t(std::max(0, int(game_->moves.size()) - count)));
}

void Recorder::gameEnded(const rules::Game& game)
{
    if (!game_)
        return;
    const auto& scores = game.scores();
    game_->finalScores = std::array<int, 4>{scores[1], scores[2], scores[3], scores[4]};
    write();
}

void Recorder::write()
{
    // A game left before its first move holds nothing worth keeping.
    if (!game_ || (!game_->finished() && game_->moves.empty())) {
        game_.reset();
        return;
    }
    const Saved saved = saveRecord(folder_, *game_);
    game_.reset();
    lastWritten_ = saved.path;
    if (!saved.error.isEmpty() && complain_)
        complain_(saved.error);
}

} // namespace record
