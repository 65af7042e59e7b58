#include "ui/alonesetup.h"
#include "rules/cell.h"
#include "ui/inifile.h"
#include <QCoreApplication>

namespace ui {

namespace {

const QString Section = QStringLiteral("PlayAlone");
const QString SeatKey = QStringLiteral("Seat");

QString levelKey(std::size_t computer)
{
    return QStringLiteral("Level") + QString::number(computer + 1);
}

// A number from first to last, or def for anything else.
int readNumber(const IniFile& file, const QString& key, int first, int last, int def)
{
    bool ok = false;
    const int value = file.readString(Section, key, QString()).trimmed().toInt(&ok);
    return ok && value >= first && value <= last ? value : def;
}

constexpr const char* LevelNames[] = {
    QT_TRANSLATE_NOOP("ui::Tbootform", "適当"), QT_TRANSLATE_NOOP("ui::Tbootform", "普通"),
    QT_TRANSLATE_NOOP("ui::Tbootform", "強い"), QT_TRANSLATE_NOOP("ui::Tbootform", "最強")};

} // namespace

QString shownLevelName(ai::Level level)
{
    return QCoreApplication::translate("ui::Tbootform", LevelNames[int(level) - 1]);
}

QStringList aloneMembers(const QString& name, const AloneSetup& setup)
{
    QStringList members;
    int computer = 0;
    for (int seat = 1; seat <= rules::Seats; ++seat)
        if (seat == setup.seat) {
            members << name;
        } else {
            ++computer;
            members << ai::computerName(computer, setup.levels[std::size_t(computer - 1)]);
        }
    return members;
}

AloneSetup readAloneSetup(const QString& iniPath)
{
    AloneSetup setup;
    const IniFile file(iniPath);
    setup.seat = readNumber(file, SeatKey, 1, rules::Seats, setup.seat);
    for (std::size_t i = 0; i < setup.levels.size(); ++i)
        setup.levels[i] = ai::Level(
            readNumber(file, levelKey(i), int(ai::Level::Random), int(ai::Level::Strongest), int(setup.levels[i])));
    return setup;
}

void writeAloneSetup(const QString& iniPath, const AloneSetup& setup)
{
    IniFile file(iniPath);
    file.writeString(Section, SeatKey, QString::number(setup.seat));
    for (std::size_t i = 0; i < setup.levels.size(); ++i)
        file.writeString(Section, levelKey(i), QString::number(int(setup.levels[i])));
}

} // namespace ui
