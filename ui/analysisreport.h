#pragma once
#include "ai/analysis.h"
#include "record/replay.h"
#include <QString>
#include <vector>

class QTextStream;

// `taisen --analyze`: what the analysis found in a record, as text for a terminal or a script.
namespace ui {

// A cell as a person reads it in the move list and the analysis ("C10"), or "pass".
QString cellNotation(rules::Cell cell);

// Lines beginning with '#': the game, the effort, the four seats' names and the columns.
QString analysisHeader(const record::Replay& replay, int effort);

// One line a move, its fields separated by tabs: the move's number from 1, the seat, the cell,
// the four seats' chances before it, the cell the search preferred and the mover's loss of
// standing; then the four seats' standings before it and 1 for a mistake, else 0.
QString moveLine(int number, rules::Cell played, const ai::MoveReview& review);

// Lines beginning with '#' that a person reads: each seat's moves, losses and mistakes.
QString analysisSummary(const record::Replay& replay, const std::vector<ai::MoveReview>& reviews);

// Reads the record in file, judges every position on every core with `effort` playouts each (the
// board's usual effort for 0) and writes each move's line to out as soon as it is judged, then
// the summary; progress goes to err when `progress`. A file that is not a record is told to err
// as "FILE: reason". Answers the exit status.
int printAnalysis(const QString& file, int effort, QTextStream& out, QTextStream& err, bool progress = false);

} // namespace ui
