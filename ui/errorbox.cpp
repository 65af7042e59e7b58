#include "ui/errorbox.h"
#include "rules/failure.h"
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {
namespace {

// One box at a time, shown without a nested event loop: a handler never runs inside another
// handler's box, and failures that come while it is open join it instead of piling up boxes.
class ErrorBox {
public:
    void add(const QString& message)
    {
        if (!box_) {
            listed_.clear();
            unlisted_ = 0;
            open();
        }
        if (listed_.size() < MaxListed && !listed_.contains(message))
            listed_ << message;
        else
            ++unlisted_;
        box_->setText(text());
    }

private:
    static constexpr int MaxListed = 10;

    void open()
    {
        box_ = new QMessageBox(QMessageBox::Critical, QCoreApplication::translate("ui", "対戦ゲム"), QString(),
                               QMessageBox::Ok);
        box_->setAttribute(Qt::WA_DeleteOnClose);
        // The host's board, chat and buttons stay in play while the box is open.
        box_->setWindowModality(Qt::NonModal);
        box_->show();
    }

    QString text() const
    {
        QString shown = listed_.join(u'\n');
        if (unlisted_ > 0)
            shown += u'\n' + QCoreApplication::translate("ui::ErrorBox", "…ほか %n 件", nullptr, unlisted_);
        return shown;
    }

    QPointer<QMessageBox> box_;
    QStringList listed_;
    int unlisted_ = 0; // repeats, and texts beyond the list
};

void showBox(const QString& message)
{
    static ErrorBox box;
    box.add(message);
}

ErrorSink& sink()
{
    static ErrorSink current = showBox;
    return current;
}

} // namespace

void setErrorSink(ErrorSink s)
{
    sink() = std::move(s);
}
void resetErrorSink()
{
    sink() = showBox;
}

QString withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() <= QChar(u'.'))
        return message;
    return message + u'.';
}

void showError(const QString& message)
{
    sink()(withFullStop(message));
}

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
