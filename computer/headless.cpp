#include "computer/headless.h"

#include "match/computerguest.h"

#include <QCoreApplication>
#include <QTextStream>

namespace computer {

QString hostWentLine()
{
    return QCoreApplication::translate("computer::Headless", "ホストが接続を閉じたので、コンピューターも終わります。");
}

namespace {

void say(QTextStream& err, const QString& line)
{
    err << line << '\n';
    err.flush();
}

} // namespace

int playHeadless(const Options& options, QTextStream& err)
{
    match::ComputerGuest player(options.name, options.level);
    QObject::connect(&player, &match::ComputerGuest::ended, [&err] {
        say(err, hostWentLine());
        QCoreApplication::exit(0);
    });
    QObject::connect(&player, &match::ComputerGuest::failed, [&err](const QString& reason) {
        say(err, reason);
        QCoreApplication::exit(1);
    });
    if (!options.recordFolder.isEmpty()) {
        QObject::connect(&player, &match::ComputerGuest::recordFailed,
                         [&err](const QString& reason) { say(err, reason); });
        player.keepRecords(options.recordFolder);
    }
    player.connectTo(options.host, options.port);
    return QCoreApplication::exec();
}

} // namespace computer
