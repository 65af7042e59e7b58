#pragma once
#include <QPlainTextEdit>

namespace ui {

// The lobby's chat entry: one line without wrapping, in which Tab is typed as text. A chat
// line travels as one line of a message, so pasted or dropped line breaks become blanks; the
// lobby keeps Enter from being typed.
class MessageLine : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MessageLine(QWidget* parent = nullptr);

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace ui
