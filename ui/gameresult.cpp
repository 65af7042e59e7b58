#include "ui/gameresult.h"
#include <QStringList>
#include <QCoreApplication>

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

QString resultPanelText(const std::vector<rules::Place>& places, rules::Scoring scoring)
{
    QString rows;
    for (const rules::Place& p : places) {
        const QString weight = p.place == 1 ? QStringLiteral(" style='font-weight:bold'") : QString();
        rows += QStringLiteral("<tr%1><td>%2</td><td>%3</td><td align='right'>%4</td></tr>")
                    .arg(weight, QCoreApplication::translate("ui", "%1位").arg(p.place), p.name.toHtmlEscaped(),
                         scoreText(p.score, scoring));
    }
    return QStringLiteral("<b>") + QCoreApplication::translate("ui", "結果") +
           QStringLiteral("</b><table cellspacing='0' cellpadding='1'>") + rows + QStringLiteral("</table>");
}

} // namespace ui
