#include "ui/gameresult.h"
#include <QStringList>
#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

namespace ui {

QString resultChatLine(const std::vector<rules::Place>& places, rules::Scoring scoring)
{
    const QString row = scoring == rules::Scoring::Count ? QCoreApplication::translate("ui", "%1位 %2 %3個")
                                                         : QCoreApplication::translate("ui", "%1位 %2 %3点");
    QStringList parts;
    for (const rules::Place& p : places)
        // One call for all three: a name holding "%3" must stay as it is.
        parts.append(row.arg(QString::number(p.place), p.name, QString::number(p.score)));
    return QCoreApplication::translate("ui", "◆結果　") + parts.join(QCoreApplication::translate("ui", "、"));
}

QString scoreText(int score, rules::Scoring scoring)
{
    return (scoring == rules::Scoring::Count ? QCoreApplication::translate("ui", "%1個")
                                             : QCoreApplication::translate("ui", "%1点"))
        .arg(score);
}

namespace {

QString placeText(int place)
{
    return QCoreApplication::translate("ui", "%1位").arg(place);
}

// The panel's frame and margins and the table's cell padding around a row's three texts.
constexpr int RowExtra = 24;

} // namespace

std::vector<rules::Place> namesFitted(std::vector<rules::Place> places, rules::Scoring scoring, const QFont& font,
                                      int width)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int others = 0;
    for (const rules::Place& p : places)
        others = std::max(others, metrics.horizontalAdvance(placeText(p.place) + scoreText(p.score, scoring)));
    const int room = std::max(width - others - RowExtra, metrics.horizontalAdvance(QStringLiteral("W…")));
    for (rules::Place& p : places)
        p.name = metrics.elidedText(p.name, Qt::ElideRight, room);
    return places;
}

QString resultPanelText(const std::vector<rules::Place>& places, rules::Scoring scoring)
{
    QString rows;
    for (const rules::Place& p : places) {
        const QString weight = p.place == 1 ? QStringLiteral(" style='font-weight:bold'") : QString();
        rows += QStringLiteral("<tr%1><td>%2</td><td>%3</td><td align='right'>%4</td></tr>")
                    .arg(weight, placeText(p.place), p.name.toHtmlEscaped(), scoreText(p.score, scoring));
    }
    return QStringLiteral("<b>") + QCoreApplication::translate("ui", "結果") +
           QStringLiteral("</b><table cellspacing='0' cellpadding='1'>") + rows + QStringLiteral("</table>");
}

} // namespace ui
