#include "ui/radiogroup.h"
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this))
{
    auto* column = new QVBoxLayout(this);
    // The items share the room below the title evenly, as a designed group lays them out.
    column->setContentsMargins(4, 0, 0, 1);
    column->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        column->addWidget(button);
    }
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit Click();
    });
}

int RadioGroup::ItemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (auto* button = buttons_->button(index))
        button->setChecked(true);
}

QAbstractButton* RadioGroup::button(int index) const
{
    return buttons_->button(index);
}

} // namespace ui
