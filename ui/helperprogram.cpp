#include "ui/helperprogram.h"
#include "ui/language.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace ui {

namespace {

constexpr char ProgramName[] = "taisen";

QString helperName(Helper helper)
{
    return helper == Helper::Windows ? QStringLiteral("taisen-windows") : QStringLiteral("taisen-computer");
}

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString helperPath(const QString& programFolder, Helper helper)
{
    const QString beside = withSlash(programFolder) + helperName(helper);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(withSlash(programFolder) + QStringLiteral(TAISEN_HELPERS_FROM_BIN "/") + helperName(helper));
}

QString programFolder(const QString& helperFolder)
{
    if (QFileInfo::exists(withSlash(helperFolder) + QLatin1String(ProgramName)))
        return withSlash(helperFolder);
    return withSlash(QDir::cleanPath(withSlash(helperFolder) + QStringLiteral(TAISEN_BIN_FROM_HELPERS)));
}

int startHelper(Helper helper, int argc, char** argv)
{
    // No application object yet: the kernel names this program's file.
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString path = helperPath(QFileInfo(self).path(), helper);
    ::execv(QFile::encodeName(path).constData(), argv);
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    QCoreApplication app(argc, argv);
    const auto translator = installTranslation();
    QTextStream(stderr) << QCoreApplication::translate("CommandLine", "%1 を起動できません: %2").arg(path, reason)
                        << '\n';
    return 1;
}

} // namespace ui
