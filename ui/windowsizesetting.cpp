#include "ui/windowsizesetting.h"
#include "ui/inifile.h"
#include <QStringList>

namespace ui {

namespace {

const QString Section = QStringLiteral("GameSetting");
const QString Key = QStringLiteral("WindowSize");
constexpr int Largest = 16384;

int side(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 && value <= Largest ? value : 0;
}

} // namespace

QSize readWindowSize(const QString& iniPath)
{
    const QStringList sides = IniFile(iniPath).readString(Section, Key, QString()).split(QLatin1Char(','));
    if (sides.size() != 2 || side(sides[0]) == 0 || side(sides[1]) == 0)
        return {};
    return QSize(side(sides[0]), side(sides[1]));
}

void writeWindowSize(const QString& iniPath, const QSize& size)
{
    IniFile(iniPath).writeString(Section, Key, QStringLiteral("%1,%2").arg(size.width()).arg(size.height()));
}

} // namespace ui
