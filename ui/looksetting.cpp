#include "ui/looksetting.h"
#include "ui/boardtheme.h"
#include "ui/inifile.h"

namespace ui {

namespace {

const QString Section = QStringLiteral("GameSetting");
const QString ThemeKey = QStringLiteral("Theme");
const QString CoordinatesKey = QStringLiteral("Coordinates");
const QString VolumeKey = QStringLiteral("Volume");
const QString MuteKey = QStringLiteral("Mute");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

LookSetting readLookSetting(const QString& iniPath)
{
    const IniFile ini(iniPath);
    LookSetting setting;
    setting.theme = QLatin1String(boardTheme(ini.readString(Section, ThemeKey, setting.theme)).key);
    setting.coordinates = ini.readString(Section, CoordinatesKey, flag(setting.coordinates)) != flag(false);
    setting.muted = ini.readString(Section, MuteKey, flag(setting.muted)) == flag(true);
    bool ok = false;
    const int volume = ini.readString(Section, VolumeKey, QString()).toInt(&ok);
    if (ok && volume >= 0 && volume <= LookSetting::MaxVolume)
        setting.volume = volume;
    return setting;
}

void writeLookSetting(const QString& iniPath, const LookSetting& setting)
{
    IniFile ini(iniPath);
    ini.writeString(Section, ThemeKey, setting.theme);
    ini.writeString(Section, CoordinatesKey, flag(setting.coordinates));
    ini.writeString(Section, VolumeKey, QString::number(setting.volume));
    ini.writeString(Section, MuteKey, flag(setting.muted));
}

} // namespace ui
