#include "computer/headless.h"

#include "computer/computerplayer.h"

#include <QCoreApplication>
#include <QTextStream>

namespace computer {

QString hostWentLine()
{
    return QCoreApplication::translate("computer::Headless", "ホストが接続を閉じたので、コンピューターも終わります。");
}

int playHeadless(const Options& options, QTextStream& err)
{
    ComputerPlayer player(options.name, options.level);
    QObject::connect(&player, &ComputerPlayer::ended, [&err] {
        err << hostWentLine() << '\n';
        err.flush();
        QCoreApplication::exit(0);
    });
    QObject::connect(&player, &ComputerPlayer::failed, [&err](const QString& reason) {
        err << reason << '\n';
        err.flush();
        QCoreApplication::exit(1);
    });
    if (!options.recordFolder.isEmpty())
        player.keepRecords(options.recordFolder, [&err](const QString& reason) {
            err << reason << '\n';
            err.flush();
        });
    player.connectTo(options.host, options.port);
    return QCoreApplication::exec();
}

} // namespace computer
