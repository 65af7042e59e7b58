#pragma once
#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

namespace ui {

// A titled group of radio buttons chosen by index, as the lobby's Method and score_method are.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const;
    void setItemIndex(int index);             // an index outside the items leaves the choice as it was
    QAbstractButton* button(int index) const; // null outside the items

signals:
    void Click(); // the selection changed, by a click or by setItemIndex

private:
    QButtonGroup* buttons_;
};

} // namespace ui
