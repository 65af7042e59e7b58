#include "ui/messageline.h"
#include <QMimeData>

namespace ui {

MessageLine::MessageLine(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setTabChangesFocus(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(1);
}

void MessageLine::insertFromMimeData(const QMimeData* source)
{
    QString text = source->text().replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u' ';
    }
    insertPlainText(text);
}

} // namespace ui
