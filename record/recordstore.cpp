#include "record/recordstore.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace record {

namespace {

constexpr char Suffix[] = ".txt";

QString fileStem(const Record& game)
{
    const QString seat =
        game.ownSeat == NoSeat ? QStringLiteral("watcher") : QStringLiteral("seat%1").arg(game.ownSeat);
    return game.played.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) + seat;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Under a temporary name, flushed to the disk and then renamed: a full disk or a failing folder
// leaves no file, where a write that is only buffered would leave an empty one. Empty on success.
QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (::fsync(file.handle()) != 0)
        return systemError();
    // Renamed, it is no temporary file any more.
    file.setAutoRemove(false);
    if (file.rename(path))
        return {};
    const QString error = file.errorString();
    file.remove();
    return error;
}

QString kindOfSpecialFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("record", "フォルダ");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("record", "名前付きパイプ");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("record", "デバイス");
    return QCoreApplication::translate("record", "ソケット");
}

// Opened without waiting, so that a pipe with no writer or a device cannot hold the reader, and
// refused unless it is a regular file; -1 with the reason otherwise.
int openRegular(const QString& path, QString& problem)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        problem = QCoreApplication::translate("record", "ファイル %1 は開けません").arg(path);
    } else if (!S_ISREG(status.st_mode)) {
        problem = QCoreApplication::translate("record", "普通のファイルではありません（%1）")
                      .arg(kindOfSpecialFile(status.st_mode));
    } else {
        return fd;
    }
    if (fd >= 0)
        ::close(fd);
    return -1;
}

} // namespace

QString recordsFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    // The standard asks for an absolute path and says to ignore any other.
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/taisen/games");
}

Saved saveRecord(const QString& folder, const Record& game)
{
    const auto failed = [](const QString& reason) { return Saved{{}, reason}; };
    if (!QDir().mkpath(folder))
        return failed(QCoreApplication::translate("record", "フォルダ %1 を作れません").arg(folder));
    const QDir dir(folder);
    QString path = dir.filePath(fileStem(game) + QLatin1String(Suffix));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(fileStem(game) + QStringLiteral("_%1").arg(n) + QLatin1String(Suffix));
    if (const QString error = writeWhole(path, recordText(game)); !error.isEmpty())
        return failed(QCoreApplication::translate("record", "記録 %1 を書けません: %2").arg(path, error));
    return Saved{path, {}};
}

Reading openRecord(const QString& path)
{
    QString problem;
    const int fd = openRegular(path, problem);
    if (fd < 0)
        return Reading{std::nullopt, problem, 0};
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle); // an open descriptor it always takes
    // Reading one byte past the limit tells a file too large without holding all of it.
    return readRecord(file.read(MaxBytes + 1));
}

} // namespace record
