#include "ui/lobbysettings.h"

namespace ui {
namespace {

const QString lobbySection = "RobbySetting";
const QString addressSection = "IPLIST";

} // namespace

LobbySettings::LobbySettings(QString path) : file_(std::move(path)) {}

const QString& LobbySettings::path() const { return file_.path(); }

LobbyValues LobbySettings::read() const
{
    LobbyValues values;
    values.name = file_.readString(lobbySection, "Name", values.name);
    values.port = file_.readString(lobbySection, "Port", values.port);
    values.ip = file_.readString(lobbySection, "IP", values.ip);
    // A key never holds "=", so the part of "key=value" after its first "=" is the whole
    // value, any "=" in it included; an empty value is an empty item.
    for (const auto& entry : file_.readSection(addressSection))
        values.ipList.append(entry.second);
    return values;
}

void LobbySettings::writeHosting(const QString& name, const QString& port)
{
    file_.writeString(lobbySection, "Name", name);
    file_.writeString(lobbySection, "Port", port);
}

void LobbySettings::writeJoining(const QString& name, const QString& port, const QString& ip,
                                 const QStringList& ipList)
{
    writeHosting(name, port);
    file_.writeString(lobbySection, "IP", ip);
    for (qsizetype i = 0; i < ipList.size(); ++i)
        file_.writeString(addressSection, QString::number(i), ipList[i]);
}

} // namespace ui
