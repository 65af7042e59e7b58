#pragma once
#include <QByteArray>
#include <QString>
#include <exception>

// A failure inside a handler: it ends the handler at once and its text reaches the user in
// the one error box of the program. Thrown by any layer, caught only by that box's guard.
class Failure : public std::exception {
public:
    explicit Failure(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& text() const { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString text_;
    QByteArray utf8_;
};
