#pragma once
#include "ui/inifile.h"
#include "ui/settingspath.h"
#include <QStringList>

namespace ui {

// What the lobby shows at start-up; a missing file or key leaves the default.
struct LobbyValues {
    QString name = "YourName";
    QString port = "18389";
    QString webPort; // the page for browsers; 0 serves none, none the game port + 1
    QString ip;
    QStringList ipList; // the host addresses used before, in the order of their lines
};

// The lobby's view of "setting.ini": the player's name, the port and the host addresses.
class LobbySettings {
public:
    explicit LobbySettings(SettingsFiles files); // reads nothing, creates nothing
    explicit LobbySettings(const QString& path) : LobbySettings(SettingsFiles{path, path}) {}
    // The file that is written (and read, once it has been written).
    const QString& path() const;

    LobbyValues read() const;
    // "Name", then "Port"; throws Failure at the first write that fails.
    void writeHosting(const QString& name, const QString& port);
    // "Name", "Port", "IP", then every item of ipList under "0", "1", ... in list order;
    // ipList already holds ip as its last item. Keys beyond the list stay in the file.
    // Throws Failure at the first write that fails; the keys written before it stay.
    void writeJoining(const QString& name, const QString& port, const QString& ip, const QStringList& ipList);

private:
    void adoptReadFile();

    IniFile readFile_;
    IniFile file_;
};

} // namespace ui
