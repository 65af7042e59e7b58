#include "ui/analysisreport.h"
#include "ai/choose.h"
#include "ai/gameanalysis.h"
#include "record/recordstore.h"
#include "rules/notation.h"
#include <QStringList>
#include <QTextStream>

namespace ui {

namespace {

// Decimals enough that the four chances of a position still sum to 1 within a hundredth.
QString decimal(float value)
{
    return QString::number(double(value), 'f', 3);
}

QString cellText(rules::Cell cell)
{
    return cell.isPass() ? QStringLiteral("pass") : rules::cellName(cell.col, cell.row);
}

QString moveLine(int number, rules::Cell played, const ai::MoveReview& review)
{
    QStringList fields{QString::number(number), QString::number(review.seat), cellText(played)};
    for (int seat = 1; seat <= rules::Seats; ++seat)
        fields << decimal(review.before[seat]);
    fields << cellText(review.preferred) << decimal(review.loss);
    return fields.join(u'\t');
}

// Each seat's largest loss and where, the first of equals; none for a seat that lost nothing.
QString summary(const std::vector<ai::MoveReview>& reviews)
{
    QString text;
    for (int seat = 1; seat <= rules::Seats; ++seat) {
        float largest = 0;
        int at = 0;
        for (std::size_t k = 0; k < reviews.size(); ++k)
            if (reviews[k].seat == seat && reviews[k].loss > largest) {
                largest = reviews[k].loss;
                at = int(k) + 1;
            }
        text += QStringLiteral("# seat %1 largest loss %2").arg(seat).arg(decimal(largest));
        text += at > 0 ? QStringLiteral(" at move %1\n").arg(at) : QStringLiteral("\n");
    }
    QStringList mistakes;
    for (std::size_t k = 0; k < reviews.size(); ++k)
        if (reviews[k].mistake())
            mistakes << QString::number(k + 1);
    return text + QStringLiteral("# mistakes (loss %1 or more): %2\n")
                      .arg(decimal(ai::MistakeLoss), mistakes.isEmpty() ? QStringLiteral("none") : mistakes.join(u' '));
}

} // namespace

QString analysisReport(const record::Replay& replay, const std::vector<ai::MoveReview>& reviews)
{
    const std::vector<rules::Cell> played = replay.playedCells();
    QString text;
    for (std::size_t k = 0; k < reviews.size(); ++k)
        text += moveLine(int(k) + 1, played[k], reviews[k]) + u'\n';
    text += summary(reviews);
    if (!replay.problem().isEmpty())
        text += QStringLiteral("# %1\n").arg(replay.problem());
    return text;
}

int printAnalysis(const QString& file, int effort, QTextStream& out, QTextStream& err)
{
    const record::Reading reading = record::openRecord(file);
    if (!reading.game) {
        err << file << ": " << reading.problem << '\n';
        return 1;
    }
    const record::Replay replay(*reading.game);
    ai::GameAnalysis analysis(replay.positions(), effort, ai::coreCount());
    analysis.wait();
    out << analysisReport(replay, ai::reviewMoves(replay.positions(), replay.playedCells(), analysis.judgements()));
    if (!reading.problem.isEmpty())
        out << QStringLiteral("# line %1: %2\n").arg(reading.problemLine).arg(reading.problem);
    out.flush();
    return 0;
}

} // namespace ui
