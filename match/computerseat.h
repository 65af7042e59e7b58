#pragma once
#include "ai/level.h"
#include "match/player.h"
#include "rules/cell.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

namespace match {

// A computer playing one seat: on its turn it searches on a worker thread with a copy of the
// position, and hands the chosen cell back to the match on this thread.
class ComputerSeat : public QObject, public Player {
    Q_OBJECT
public:
    // People follow the game better when a computer's move does not come at once; tests
    // play without it.
    static inline int movePauseMs = 300;

    explicit ComputerSeat(ai::Level level, QObject* parent = nullptr);
    ~ComputerSeat() override;

    ai::Level level() const { return level_; }
    void yourTurn(Match& match, int seat) override;
    void stop() override;

private:
    void search();
    void chosen();

    ai::Level level_;
    QPointer<Match> match_;
    int seat_ = 0;
    int serial_ = 0; // counts turns, so that a choice made for one that has gone is dropped
    int searchedFor_ = 0;
    bool pending_ = false; // a turn waits for the search under way to end
    QElapsedTimer turnClock_;
    QFutureWatcher<rules::Cell> watcher_;
};

} // namespace match
