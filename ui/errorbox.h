#pragma once
#include <QString>
#include <functional>

class QWidget;

// The one way a failure inside a handler reaches the user: the handler ends at once, a
// critical box captioned "対戦ゲム" shows the message, and the program goes on.
namespace ui {

// Where failures go; the default shows them in the one error box. Tests install a collector.
using ErrorSink = std::function<void(const QString& message)>;
void setErrorSink(ErrorSink sink);
void resetErrorSink();

// Adds "." unless the last character sorts at or below "." already.
QString withFullStop(const QString& message);
void showError(const QString& message);

// Runs one handler's body; a Failure (or any other exception) ends it and is shown.
void guarded(const std::function<void()>& body) noexcept;

} // namespace ui
