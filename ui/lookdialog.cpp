#include "ui/lookdialog.h"
#include "ui/boardtheme.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>
#include <algorithm>

namespace ui {

namespace {

template <class Control>
Control* labelled(QFormLayout* form, Control* control, const QString& label, const char* name)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(label);
    form->addRow(label, control);
    return control;
}

} // namespace

LookDialog::LookDialog(const LookSetting& setting, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("表示と音"));
    auto* form = new QFormLayout(this);
    theme_ = labelled(form, new QComboBox, tr("盤の色"), "LookTheme");
    for (const BoardTheme& theme : boardThemes())
        theme_->addItem(theme.shownName(), QLatin1String(theme.key));
    theme_->setCurrentIndex(std::max(0, theme_->findData(setting.theme)));
    coordinates_ = labelled(form, new QCheckBox(tr("盤の座標を表示")), tr("座標"), "LookCoordinates");
    coordinates_->setChecked(setting.coordinates);
    volume_ = labelled(form, new QSlider(Qt::Horizontal), tr("音量"), "LookVolume");
    volume_->setRange(0, LookSetting::MaxVolume);
    volume_->setValue(setting.volume);
    muted_ = labelled(form, new QCheckBox(tr("消音 (M)")), tr("消音"), "LookMuted");
    muted_->setChecked(setting.muted);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

LookSetting LookDialog::setting() const
{
    return {theme_->currentData().toString(), coordinates_->isChecked(), volume_->value(), muted_->isChecked()};
}

} // namespace ui
