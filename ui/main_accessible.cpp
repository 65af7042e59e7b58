#include "ui/main.h"
#include "rules/notation.h"
#include "ui/boardgrid.h"
#include <QLabel>
#include <iterator>

// The game window as assistive technology reads it: each seat as one text, the name of its lamp,
// which changes, and so is announced once, when the turn or the score moves.
namespace ui {

void Tmainform::nameControls()
{
    Table->setAccessibleName(tr("盤"));
    LPoint->setAccessibleName(Label1->text());
    PanelResult->setAccessibleName(tr("結果"));
    for (int seat = 1; seat <= 4; ++seat)
        describeSeat(seat);
    Table->describeCell = [this](int col, int row) { return describeCell(col, row); };
}

// "C4、青の顔", "D4、空き、打てる": the position, what the cell holds, and whether this
// station may place a face there now.
QString Tmainform::describeCell(int col, int row) const
{
    static const char* const pieces[] = {QT_TR_NOOP("空き"),     QT_TR_NOOP("赤の顔"),   QT_TR_NOOP("青の顔"),
                                         QT_TR_NOOP("緑の顔"),   QT_TR_NOOP("黒の顔"),   QT_TR_NOOP("赤の宝石"),
                                         QT_TR_NOOP("青の宝石"), QT_TR_NOOP("緑の宝石"), QT_TR_NOOP("黒の宝石")};
    const int code = game().onBoard(col, row) ? game().board()[col][row] : -1;
    if (code < 0 || code >= int(std::size(pieces)))
        return rules::cellName(col, row);
    QString text = tr("%1、%2").arg(rules::cellName(col, row), tr(pieces[code]));
    if (match_.myTurn() && Table->isEnabled() && game().Search_Face(col, row))
        text += tr("、打てる");
    return text;
}

void Tmainform::describeSeat(int seat)
{
    const QString name = Name[seat]->toolTip().isEmpty() ? Name[seat]->text() : Name[seat]->toolTip();
    QString text = tr("%1、%2番席、%3").arg(name, QString::number(seat), scoreLabel(seat)->text());
    if (lit_[std::size_t(seat)])
        text += tr("、手番");
    if (text != Light[seat]->accessibleName()) // a score written again unchanged is no news
        Light[seat]->setAccessibleName(text);
}

} // namespace ui
