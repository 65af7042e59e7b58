#include "ui/headingbutton.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace ui {

void putInHeading(QLabel* heading, QToolButton* button)
{
    button->setParent(heading);
    button->setAutoRaise(true);
    button->setFixedSize(heading->height(), heading->height());
    auto* row = qobject_cast<QHBoxLayout*>(heading->layout());
    if (!row) {
        row = new QHBoxLayout(heading);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        row->addStretch();
    }
    row->addWidget(button);
}

} // namespace ui
