#include "ui/settingspath.h"
#include "ui/assetfile.h"
#include <QFileInfo>
#include <QStandardPaths>

namespace ui {

bool isWritable(const QString& path)
{
    return QFileInfo(path).isWritable();
}

SettingsFiles settingsFiles(const QString& exeDir, const QString& configDir, const WritableCheck& writable)
{
    const QString beside = nativeAssetPath(exeDir, QStringLiteral("setting.ini"));
    if (writable(exeDir) || writable(beside))
        return {beside, beside};
    const QString own = nativeAssetPath(configDir, QStringLiteral("setting.ini"));
    if (!QFileInfo::exists(own) && QFileInfo(beside).isReadable())
        return {beside, own};
    return {own, own};
}

// Named after the executable, not after the application's title, so the folder name is plain.
QString userConfigDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/taisen");
}

} // namespace ui
