#pragma once
#include "ui/alonesetup.h"
#include <QDialog>
#include <array>

class QComboBox;

namespace ui {

// Chooses who plays a game alone: the person's seat and the three computers' levels.
class AloneDialog : public QDialog {
    Q_OBJECT
public:
    AloneDialog(const AloneSetup& setup, QWidget* parent = nullptr);
    AloneSetup setup() const;

private:
    void showOpponents();

    QComboBox* seat_ = nullptr;
    std::array<QComboBox*, 3> levels_{};
};

} // namespace ui
