#include "ai/choose.h"
#include "ai/gameanalysis.h"
#include "record/recordstore.h"
#include "ui/analysisreport.h"
#include <QCoreApplication>
#include <QTextStream>

// The analysis run on a terminal: each move printed once it and the position after it are judged.
namespace ui {

namespace {

// Rewrites one line of err in place; a terminal shows it, and the last one is wiped at the end.
void showProgress(QTextStream& err, int judged, int total)
{
    err << u'\r' << QCoreApplication::translate("ui::Analysis", "分析中 %1/%2 手").arg(judged).arg(total)
        << QStringLiteral("\x1b[K");
    err.flush();
}

} // namespace

int printAnalysis(const QString& file, int effort, QTextStream& out, QTextStream& err, bool progress)
{
    const record::Reading reading = record::openRecord(file);
    if (!reading.game) {
        err << file << ": " << reading.problem << '\n';
        return 1;
    }
    const record::Replay replay(*reading.game);
    const int playouts = ai::effortOn(effort, replay.game().boardSize);
    out << analysisHeader(replay, playouts);
    out.flush();
    ai::GameAnalysis analysis(replay.positions(), playouts, ai::coreCount());
    const std::vector<rules::Cell> played = replay.playedCells();
    std::vector<ai::MoveReview> reviews;
    for (int k = 0; k < replay.moves(); ++k) {
        if (progress)
            showProgress(err, k, replay.moves());
        analysis.waitFor(k + 2);
        reviews.push_back(ai::reviewMove(replay.after(k), played[std::size_t(k)], analysis.judgement(k),
                                         analysis.judgement(k + 1), playouts));
        out << moveLine(k + 1, played[std::size_t(k)], reviews.back()) << '\n';
        out.flush();
    }
    if (progress) {
        err << QStringLiteral("\r\x1b[K");
        err.flush();
    }
    out << analysisSummary(replay, reviews);
    if (!reading.problem.isEmpty())
        out << QStringLiteral("# line %1: %2\n").arg(reading.problemLine).arg(reading.problem);
    out.flush();
    return 0;
}

} // namespace ui
