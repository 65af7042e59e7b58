#pragma once
#include "ai/analysis.h"
#include "record/replay.h"
#include <QString>
#include <vector>

class QTextStream;

// `taisen --analyze`: what the analysis found in a record, as text for a terminal or a script.
namespace ui {

// One line a move, its fields separated by tabs: the move's number from 1, the seat, the cell as
// records write it (or "pass"), the four seats' chances before it, the cell the search preferred
// and the mover's loss; then lines beginning with '#': each seat's largest loss and the mistakes.
QString analysisReport(const record::Replay& replay, const std::vector<ai::MoveReview>& reviews);

// Reads the record in file, judges every position on every core with `effort` playouts each and
// writes the report to out; a file that is not a record is told to err as "FILE: reason".
// Answers the exit status.
int printAnalysis(const QString& file, int effort, QTextStream& out, QTextStream& err);

} // namespace ui
