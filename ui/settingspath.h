#pragma once
#include <QString>

namespace ui {

// Where "setting.ini" lives: beside the executable while that folder can be written (a build
// folder or a copied folder, as always), or when a writable file already lies there;
// otherwise in configDir, as for a program installed in a system folder. Creates nothing.
QString settingsPath(const QString& exeDir, const QString& configDir);

// The user's configuration folder for this program, e.g. ~/.config/taisen.
QString userConfigDir();

} // namespace ui
