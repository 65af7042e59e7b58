#include "record/replay.h"
#include "record/recordtext.h"
#include "record/texts.h"
#include "rules/notation.h"

namespace record {

Replay::Replay(const Record& game) : game_(game)
{
    positions_.push_back(rules::Position::newGame(game.boardSize, game.scoring, game.rotation));
    play();
}

void Replay::play()
{
    for (const Move& move : game_.moves) {
        const rules::Position& now = positions_.back();
        const int number = int(positions_.size());
        if (now.over()) {
            problem_ = tr("%1手目: 対戦はもう終わっています").arg(number);
            return;
        }
        if (move.seat != now.toMove()) {
            problem_ = tr("%1手目: %2番席の手番ではありません").arg(number).arg(move.seat);
            return;
        }
        const rules::Cell cell = move.cell();
        if (!cell.isPass() && !now.isLegal(cell)) {
            problem_ = tr("%1手目: %2 には打てません").arg(number).arg(rules::cellName(move.col, move.row));
            return;
        }
        rules::Position next = now;
        next.play(cell);
        positions_.push_back(std::move(next));
    }
    const auto& end = positions_.back();
    if (game_.finalScores &&
        !std::equal(game_.finalScores->begin(), game_.finalScores->end(), end.scores().begin() + 1))
        problem_ = tr("記録の結果と、手から求めた結果が違います");
}

std::vector<rules::Cell> Replay::playedCells() const
{
    std::vector<rules::Cell> cells;
    for (int k = 0; k < moves(); ++k)
        cells.push_back(game_.moves[std::size_t(k)].cell());
    return cells;
}

} // namespace record
