#include "ui/legalcellsetting.h"
#include "ui/inifile.h"

namespace ui {

namespace {

const QString Section = QStringLiteral("GameSetting");
const QString Key = QStringLiteral("ShowLegal");

} // namespace

bool readShowLegal(const QString& iniPath)
{
    return IniFile(iniPath).readString(Section, Key, QStringLiteral("0")) == QStringLiteral("1");
}

void writeShowLegal(const QString& iniPath, bool on)
{
    IniFile(iniPath).writeString(Section, Key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace ui
