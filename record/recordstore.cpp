#include "record/recordstore.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtGlobal>

namespace record {

namespace {

constexpr char Suffix[] = ".txt";

QString fileStem(const Record& game)
{
    const QString seat =
        game.ownSeat == NoSeat ? QStringLiteral("watcher") : QStringLiteral("seat%1").arg(game.ownSeat);
    return game.played.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) + seat;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(recordText(game)) < 0 || !file.commit())
        return failed(QCoreApplication::translate("record", "記録 %1 を書けません: %2").arg(path, file.errorString()));
    return Saved{path, {}};
}

Reading openRecord(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Reading{std::nullopt, QCoreApplication::translate("record", "ファイル %1 は開けません").arg(path), 0};
    // Reading one byte past the limit tells a file too large without holding all of it.
    return readRecord(file.read(MaxBytes + 1));
}

std::vector<Listed> listRecords(const QString& folder)
{
    std::vector<Listed> listed;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*") + QLatin1String(Suffix)}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        if (info.size() > MaxBytes)
            continue;
        Reading reading = openRecord(info.filePath());
        if (reading.game)
            listed.push_back(Listed{info.filePath(), std::move(reading)});
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const Listed& a, const Listed& b) { return a.reading.game->played < b.reading.game->played; });
    return listed;
}

} // namespace record
