#pragma once
#include "ui/looksetting.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QSlider;

namespace ui {

// The small settings dialog of the game's look and sound: the board's theme, its coordinates,
// the volume and the mute switch.
class LookDialog : public QDialog {
    Q_OBJECT
public:
    LookDialog(const LookSetting& setting, QWidget* parent = nullptr);
    LookSetting setting() const;

private:
    QComboBox* theme_ = nullptr;
    QCheckBox* coordinates_ = nullptr;
    QSlider* volume_ = nullptr;
    QCheckBox* muted_ = nullptr;
};

} // namespace ui
