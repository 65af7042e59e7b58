#include "ui/analysisreport.h"
#include "rules/notation.h"
#include <QStringList>

namespace ui {

namespace {

// Decimals enough that the four shares of a position still sum to 1 within a hundredth.
QString decimal(float value)
{
    return QString::number(double(value), 'f', 3);
}

// A name on one comment line, whatever it holds.
QString oneLine(QString name)
{
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    return name;
}

// One seat's moves, what they lost in all and at most, and its mistakes.
QString seatSummary(const record::Replay& replay, const std::vector<ai::MoveReview>& reviews, int seat)
{
    int moves = 0;
    float lost = 0;
    std::size_t largest = reviews.size();
    QStringList mistakes;
    const std::vector<rules::Cell> played = replay.playedCells();
    for (std::size_t k = 0; k < reviews.size(); ++k) {
        const ai::MoveReview& r = reviews[k];
        if (r.seat != seat)
            continue;
        ++moves;
        lost += r.loss;
        if (r.loss > 0 && (largest == reviews.size() || r.loss > reviews[largest].loss))
            largest = k;
        if (r.mistake())
            mistakes
                << QStringLiteral("%1 (%2 for %3)").arg(k + 1).arg(cellNotation(played[k]), cellNotation(r.preferred));
    }
    QString text = QStringLiteral("# seat %1 (%2): %3 moves, %4 of its standing lost in all")
                       .arg(seat)
                       .arg(oneLine(replay.game().name(seat)))
                       .arg(moves)
                       .arg(decimal(lost));
    if (largest < reviews.size())
        text += QStringLiteral(", the most at move %1 (%2)").arg(largest + 1).arg(decimal(reviews[largest].loss));
    text += mistakes.isEmpty() ? QStringLiteral("; no mistake\n")
                               : QStringLiteral("; mistakes at %1\n").arg(mistakes.join(QStringLiteral(", ")));
    return text;
}

} // namespace

QString cellNotation(rules::Cell cell)
{
    return cell.isPass() ? QStringLiteral("pass") : rules::cellName(cell.col, cell.row);
}

QString analysisHeader(const record::Replay& replay, int effort)
{
    const record::Record& game = replay.game();
    QString text = QStringLiteral("# analysis of a %1 x %1 game, %2 rule%3, %4 moves, %5 playouts a position\n")
                       .arg(game.boardSize)
                       .arg(game.scoring == rules::Scoring::Points ? QStringLiteral("points") : QStringLiteral("count"))
                       .arg(game.rotation ? QStringLiteral(", rotation") : QString())
                       .arg(replay.moves())
                       .arg(effort);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        text += QStringLiteral("# seat %1: %2\n").arg(seat).arg(oneLine(game.name(seat)));
    text += QStringLiteral("# chance: a seat's chance to finish first; standing: its expected share of all points "
                           "at the end; loss: the standing the mover lost by the move; mistake: 1 where the loss "
                           "exceeds %1, what a repeated search of one position varies by\n")
                .arg(decimal(ai::mistakeMargin(effort)));
    text += QStringLiteral("# move\tseat\tcell\tchance1\tchance2\tchance3\tchance4\tpreferred\tloss"
                           "\tstanding1\tstanding2\tstanding3\tstanding4\tmistake\n");
    return text;
}

QString moveLine(int number, rules::Cell played, const ai::MoveReview& review)
{
    QStringList fields{QString::number(number), QString::number(review.seat), cellNotation(played)};
    for (int seat = 1; seat <= rules::Seats; ++seat)
        fields << decimal(review.before[seat]);
    fields << cellNotation(review.preferred) << decimal(review.loss);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        fields << decimal(review.standing[seat]);
    fields << (review.mistake() ? QStringLiteral("1") : QStringLiteral("0"));
    return fields.join(u'\t');
}

QString analysisSummary(const record::Replay& replay, const std::vector<ai::MoveReview>& reviews)
{
    QString text = QStringLiteral("# summary\n");
    for (int seat = 1; seat <= rules::Seats; ++seat)
        text += seatSummary(replay, reviews, seat);
    QStringList mistakes;
    for (std::size_t k = 0; k < reviews.size(); ++k)
        if (reviews[k].mistake())
            mistakes << QString::number(k + 1);
    const float margin = reviews.empty() ? 0 : reviews.front().margin;
    text += QStringLiteral("# mistakes (loss above %1): %2\n")
                .arg(decimal(margin), mistakes.isEmpty() ? QStringLiteral("none") : mistakes.join(u' '));
    if (!replay.problem().isEmpty())
        text += QStringLiteral("# %1\n").arg(replay.problem());
    return text;
}

} // namespace ui
