#pragma once
#include <QSize>
#include <QString>

namespace ui {

// The game window's size as the player left it, "width,height" under a key of its own in
// setting.ini (path as LobbySettings::path gives it). Empty when the file or the key is missing
// or holds no size a screen could show.
QSize readWindowSize(const QString& iniPath);
// Throws Failure when the file cannot be written.
void writeWindowSize(const QString& iniPath, const QSize& size);

} // namespace ui
