#include "ui/gameresult.h"
#include <QStringList>

namespace ui {

QString resultChatLine(const std::vector<rules::Place>& places)
{
    QStringList parts;
    for (const rules::Place& p : places)
        parts.append(QStringLiteral("%1位 %2 %3点").arg(p.place).arg(p.name).arg(p.score));
    return QStringLiteral("◆結果　") + parts.join(QStringLiteral("、"));
}

QString resultPanelText(const std::vector<rules::Place>& places)
{
    QString rows;
    for (const rules::Place& p : places) {
        const QString weight = p.place == 1 ? QStringLiteral(" style='font-weight:bold'") : QString();
        rows += QStringLiteral("<tr%1><td>%2位</td><td>%3</td><td align='right'>%4点</td></tr>")
                    .arg(weight)
                    .arg(p.place)
                    .arg(p.name.toHtmlEscaped())
                    .arg(p.score);
    }
    return QStringLiteral("<b>結果</b><table cellspacing='0' cellpadding='1'>") + rows + QStringLiteral("</table>");
}

} // namespace ui
