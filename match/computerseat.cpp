#include "match/computerseat.h"

#include "ai/choose.h"
#include "match/match.h"

#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <random>

namespace match {

ComputerSeat::ComputerSeat(ai::Level level, QObject* parent) : QObject(parent), level_(level)
{
    connect(&watcher_, &QFutureWatcher<rules::Cell>::finished, this, &ComputerSeat::chosen);
}

// A search still running finishes before the seat goes: it reads only its own copy.
ComputerSeat::~ComputerSeat()
{
    watcher_.waitForFinished();
}

void ComputerSeat::yourTurn(Match& match, int seat)
{
    match_ = &match;
    seat_ = seat;
    ++serial_;
    turnClock_.start();
    // A search under way ends first: its cell is dropped and this turn is searched then.
    pending_ = watcher_.isRunning();
    if (!pending_)
        search();
}

void ComputerSeat::search()
{
    pending_ = false;
    searchedFor_ = serial_;
    const rules::Position position = match_->game().position();
    const ai::Level level = level_;
    const auto seed = std::random_device{}();
    watcher_.setFuture(QtConcurrent::run([position, level, seed] {
        std::mt19937 rng(seed);
        return ai::chooseCell(position, level, rng);
    }));
}

void ComputerSeat::stop()
{
    ++serial_;
    pending_ = false;
}

void ComputerSeat::chosen()
{
    if (pending_ && match_) {
        search();
        return;
    }
    const rules::Cell cell = watcher_.result();
    const int serial = serial_;
    if (searchedFor_ != serial)
        return;
    // The move waits until people have had a moment to see the last one.
    const qint64 wait = std::max<qint64>(0, movePauseMs - turnClock_.elapsed());
    QTimer::singleShot(wait, this, [this, cell, serial] {
        if (serial == serial_ && match_)
            match_->playFor(seat_, cell, true);
    });
}

} // namespace match
