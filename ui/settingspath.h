#pragma once
#include <QString>
#include <functional>

namespace ui {

// Where "setting.ini" is read at start-up and where changes are written.
struct SettingsFiles {
    QString read;
    QString write;
};

// Whether this user may write the file or into the folder at a path.
using WritableCheck = std::function<bool(const QString& path)>;
bool isWritable(const QString& path);

// Beside the executable while that folder or a file there can be written (a build folder or a
// copied folder, as always). Otherwise changes go to configDir; a file there is the player's
// own and wins, and until it exists an unwritable file beside the executable is still read
// (an installed copy that came with its settings). Creates nothing.
SettingsFiles settingsFiles(const QString& exeDir, const QString& configDir,
                            const WritableCheck& writable = isWritable);

// The user's configuration folder for this program, e.g. ~/.config/taisen.
QString userConfigDir();

} // namespace ui
