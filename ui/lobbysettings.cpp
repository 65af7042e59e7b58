#include "ui/lobbysettings.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ui {
namespace {

const QString lobbySection = "RobbySetting";
const QString addressSection = "IPLIST";

} // namespace

LobbySettings::LobbySettings(SettingsFiles files) : readFile_(files.read), file_(files.write)
{
}

const QString& LobbySettings::path() const
{
    return file_.path();
}

LobbyValues LobbySettings::read() const
{
    LobbyValues values;
    values.name = readFile_.readString(lobbySection, "Name", values.name);
    values.port = readFile_.readString(lobbySection, "Port", values.port);
    values.webPort = readFile_.readString(lobbySection, "WebPort", values.webPort);
    values.ip = readFile_.readString(lobbySection, "IP", values.ip);
    // A key never holds "=", so the part of "key=value" after its first "=" is the whole
    // value, any "=" in it included; an empty value is an empty item.
    for (const auto& entry : readFile_.readSection(addressSection))
        values.ipList.append(entry.second);
    return values;
}

// The first change made away from the file that was read starts from a copy of it, so that
// the keys it does not touch (the address list) are not lost when the new file wins.
void LobbySettings::adoptReadFile()
{
    if (readFile_.path() == file_.path())
        return;
    if (!QFileInfo::exists(file_.path()) && QFileInfo::exists(readFile_.path())) {
        QDir().mkpath(QFileInfo(file_.path()).absolutePath());
        QFile::copy(readFile_.path(), file_.path());
        QFile::setPermissions(file_.path(), QFile::ReadOwner | QFile::WriteOwner);
    }
    readFile_ = file_;
}

void LobbySettings::writeHosting(const QString& name, const QString& port)
{
    adoptReadFile();
    file_.writeString(lobbySection, "Name", name);
    file_.writeString(lobbySection, "Port", port);
}

void LobbySettings::writeJoining(const QString& name, const QString& port, const QString& ip, const QStringList& ipList)
{
    writeHosting(name, port);
    file_.writeString(lobbySection, "IP", ip);
    for (qsizetype i = 0; i < ipList.size(); ++i)
        file_.writeString(addressSection, QString::number(i), ipList[i]);
}

} // namespace ui
