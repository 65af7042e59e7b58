#pragma once
#include <QString>

namespace ui {

// The game window's switch for the marks of the legal cells, a key of its own in setting.ini
// (path as LobbySettings::path gives it); off when the file or the key is missing.
bool readShowLegal(const QString& iniPath);
// Throws Failure when the file cannot be written.
void writeShowLegal(const QString& iniPath, bool on);

} // namespace ui
