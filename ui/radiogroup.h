#pragma once
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace ui {

// A titled group of radio buttons chosen by index, as the lobby's Method and score_method are.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const;
    void setItemIndex(int index); // an index outside the items leaves the choice as it was

signals:
    void Click(); // the user changed the selection

private:
    QButtonGroup* buttons_;
};

} // namespace ui
