#include "ui/settingspath.h"
#include "ui/assetfile.h"
#include <QFileInfo>
#include <QStandardPaths>

namespace ui {

QString settingsPath(const QString& exeDir, const QString& configDir)
{
    const QString beside = nativeAssetPath(exeDir, QStringLiteral("setting.ini"));
    if (QFileInfo(exeDir).isWritable() || QFileInfo(beside).isWritable())
        return beside;
    return nativeAssetPath(configDir, QStringLiteral("setting.ini"));
}

// Named after the executable, not after the application's title, so the folder name is plain.
QString userConfigDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/taisen");
}

} // namespace ui
