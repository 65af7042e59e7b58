#include "record/listindex.h"
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace record {

namespace {

constexpr quint32 Magic = 0x74736978; // "tsix"
constexpr quint32 Version = 1;
constexpr int DigestBytes = 16;
constexpr auto Digest = QCryptographicHash::Md5;
constexpr QDataStream::Version Format = QDataStream::Qt_6_0;

QDataStream& operator<<(QDataStream& out, const Record& game)
{
    out << game.played << qint32(game.boardSize) << qint32(game.scoring) << qint32(game.timeLimit) << game.rotation;
    for (const QString& name : game.names)
        out << name;
    out << qint32(game.ownSeat) << game.finished();
    for (const int score : game.finalScores.value_or(std::array<int, 4>{}))
        out << qint32(score);
    return out;
}

std::optional<Record> readGame(QDataStream& in)
{
    Record game;
    qint32 size = 0, scoring = 0, limit = 0, seat = 0;
    bool finished = false;
    in >> game.played >> size >> scoring >> limit >> game.rotation;
    for (QString& name : game.names)
        in >> name;
    in >> seat >> finished;
    std::array<qint32, 4> scores{};
    for (qint32& score : scores)
        in >> score;
    const bool plausible =
        game.played.isValid() && size >= rules::MinBoardSize && size <= rules::MaxBoardSize &&
        (scoring == 0 || scoring == 1) && limit >= rules::MinTimeLimit && limit <= rules::NoLimit && seat >= NoSeat &&
        seat <= rules::Seats &&
        std::all_of(game.names.begin(), game.names.end(), [](const QString& n) { return n.size() <= MaxNameLength; });
    if (in.status() != QDataStream::Ok || !plausible)
        return std::nullopt;
    game.boardSize = size;
    game.scoring = rules::Scoring(scoring);
    game.timeLimit = limit;
    game.ownSeat = seat;
    if (finished)
        game.finalScores = std::array<int, 4>{scores[0], scores[1], scores[2], scores[3]};
    return game;
}

QByteArray entriesBytes(const ListIndex& index)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(Format);
    out << Magic << Version << qint64(index.size());
    for (auto it = index.begin(); it != index.end(); ++it) {
        const FileStamp& s = it->stamp;
        out << it.key() << s.size << s.modified << s.changed << s.inode << it->game.has_value();
        if (it->game)
            out << *it->game;
    }
    return bytes;
}

ListIndex entriesOf(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(Format);
    quint32 magic = 0, version = 0;
    qint64 count = 0;
    in >> magic >> version >> count;
    ListIndex index;
    if (magic != Magic || version != Version || count < 0)
        return {};
    for (qint64 i = 0; i < count; ++i) {
        QString name;
        IndexEntry entry;
        FileStamp& s = entry.stamp;
        bool hasGame = false;
        in >> name >> s.size >> s.modified >> s.changed >> s.inode >> hasGame;
        if (hasGame && !(entry.game = readGame(in)))
            return {};
        if (in.status() != QDataStream::Ok)
            return {};
        index.insert(name, std::move(entry));
    }
    return in.atEnd() ? index : ListIndex{};
}

} // namespace

QString indexPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral(".index"));
}

ListIndex readIndex(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < DigestBytes)
        return {};
    // The digest at the end catches a file damaged on the disk or written by someone else.
    const QByteArray entries = QByteArray::fromRawData(bytes.constData(), bytes.size() - DigestBytes);
    if (QCryptographicHash::hash(entries, Digest) != bytes.right(DigestBytes))
        return {};
    return entriesOf(entries);
}

void writeIndex(const QString& path, const ListIndex& index)
{
    const QByteArray bytes = entriesBytes(index);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes + QCryptographicHash::hash(bytes, Digest)) >= 0)
        file.commit();
}

} // namespace record
