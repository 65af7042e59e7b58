#pragma once
#include <QString>

class QWidget;

namespace ui {

// Asks, over the window being closed in the middle of a game, whether to close it after all:
// 続ける, the default and Escape's answer, or 閉じる. `consequence` says what closing does.
// True when the player chose 閉じる.
bool confirmClosing(QWidget* window, const QString& consequence);

} // namespace ui
