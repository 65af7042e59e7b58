#include "ui/main.h"
#include "ui/boardgrid.h"
#include <QLabel>

// The game window as assistive technology reads it: each seat as one text on its lamp, score
// and name, which changes, and so is announced, when the turn or the score moves.
namespace ui {

void Tmainform::nameControls()
{
    Table->setAccessibleName(tr("盤"));
    LPoint->setAccessibleName(Label1->text());
    PanelResult->setAccessibleName(tr("結果"));
    for (int seat = 1; seat <= 4; ++seat)
        describeSeat(seat);
}

void Tmainform::describeSeat(int seat)
{
    const QString name = Name[seat]->toolTip().isEmpty() ? Name[seat]->text() : Name[seat]->toolTip();
    QString text = tr("%1、%2番席、%3").arg(name, QString::number(seat), scoreLabel(seat)->text());
    if (lit_[std::size_t(seat)])
        text += tr("、手番");
    for (QWidget* part : {static_cast<QWidget*>(Light[seat]), static_cast<QWidget*>(scoreLabel(seat)),
                          static_cast<QWidget*>(Name[seat])})
        part->setAccessibleDescription(text);
    Light[seat]->setAccessibleName(text);
}

} // namespace ui
