#pragma once
#include <QLabel>

namespace ui {

// A one-line label that shortens its text with "…" to the width a layout gives it, the whole
// text then in its tooltip, so a long name never widens a window or is cut off.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QString text, QWidget* parent = nullptr);
    const QString& fullText() const { return full_; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString full_;
};

} // namespace ui
