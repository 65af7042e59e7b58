#include "ui/errorbox.h"
#include "rules/failure.h"
#include <QApplication>
#include <QMessageBox>
#include <QCoreApplication>

namespace ui {
namespace {

void showBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("ui", "対戦ゲム"), message, QMessageBox::Ok);
    box.exec();
}

ErrorSink& sink()
{
    static ErrorSink current = showBox;
    return current;
}

} // namespace

void setErrorSink(ErrorSink s) { sink() = std::move(s); }
void resetErrorSink() { sink() = showBox; }

QString withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() <= QChar(u'.'))
        return message;
    return message + u'.';
}

void showError(const QString& message) { sink()(withFullStop(message)); }

void guarded(const std::function<void()>& body) noexcept
{
    try {
        body();
    } catch (const Failure& failure) {
        showError(failure.text());
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

} // namespace ui
