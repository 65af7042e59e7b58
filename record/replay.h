#pragma once
#include "record/record.h"
#include "rules/position.h"
#include <QString>
#include <vector>

namespace record {

// A record played again on the rules, so that what it shows is what was played: the position
// after each move that could be played, and where and why the rest could not.
class Replay {
public:
    explicit Replay(const Record& game);

    const Record& game() const { return game_; }
    // The moves that were played again; the record may hold more.
    int moves() const { return int(positions_.size()) - 1; }
    // The game after the first `played` moves, 0..moves().
    const rules::Position& after(int played) const { return positions_[std::size_t(played)]; }
    // Every position after(0) .. after(moves()).
    const std::vector<rules::Position>& positions() const { return positions_; }
    // The cells of the moves that were played again, a pass as rules::Pass.
    std::vector<rules::Cell> playedCells() const;
    // Why the replay stopped before the record's end, or why its end differs from the record's
    // result; empty when neither.
    const QString& problem() const { return problem_; }

private:
    void play();

    Record game_;
    std::vector<rules::Position> positions_;
    QString problem_;
};

} // namespace record
