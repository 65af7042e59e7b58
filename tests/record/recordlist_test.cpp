#include "record/listindex.h"
#include "record/recordstore.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

using record::Record;

namespace {

Record finishedGame(int hour)
{
    Record game;
    game.played = QDateTime(QDate(2026, 12, 9), QTime(hour, 0), QTimeZone::utc());
    game.names = {QStringLiteral("あおい"), QStringLiteral("Bob"), QStringLiteral("C"), QStringLiteral("D")};
    game.ownSeat = 2;
    game.moves = {{1, 2, 3}, {2, -1, -1}};
    game.finalScores = std::array<int, 4>{9, 7, 7, 1};
    return game;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Written an hour ago, long enough for a listing to keep it in the index.
QString savedLongAgo(const QString& folder, const Record& game)
{
    const QString path = record::saveRecord(folder, game).path;
    QFile file(path);
    const bool backdated = file.open(QIODevice::ReadWrite) &&
                           file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    EXPECT_TRUE(backdated) << path.toStdString();
    return path;
}

void overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

TEST(RecordList, AFileChangedOnDiskShowsItsChangeAtTheNextListing)
{
    QTemporaryDir dir;
    const QString path = savedLongAgo(dir.path(), finishedGame(20));
    ASSERT_EQ(record::listRecords(dir.path()).at(0).game.name(2), QStringLiteral("Bob"));
    // The same size, so that only the stamp's times and the text tell the change.
    overwrite(path, contents(path).replace("seat 2 Bob", "seat 2 Eve"));
    const auto renamed = record::listRecords(dir.path());
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed[0].game.name(2), QStringLiteral("Eve"));
    EXPECT_TRUE(renamed[0].game.finished());
    // A move line damaged after the game was listed whole: it lists as damaged, unfinished.
    overwrite(path, contents(path).replace("move 1 C4", "move 1 ZZ"));
    const auto damaged = record::listRecords(dir.path());
    ASSERT_EQ(damaged.size(), 1u);
    EXPECT_FALSE(damaged[0].game.finished());
    overwrite(path, "not a record\n");
    EXPECT_TRUE(record::listRecords(dir.path()).empty());
}

TEST(RecordList, AFileRewrittenAtOnceAfterItsFirstListingShowsItsChange)
{
    QTemporaryDir dir;
    const QString path = record::saveRecord(dir.path(), finishedGame(20)).path;
    ASSERT_EQ(record::listRecords(dir.path()).size(), 1u);
    overwrite(path, contents(path).replace("seat 2 Bob", "seat 2 Eve"));
    EXPECT_EQ(record::listRecords(dir.path()).at(0).game.name(2), QStringLiteral("Eve"));
}

TEST(RecordList, AnUnchangedFileIsTakenFromTheIndexUnread)
{
    QTemporaryDir dir;
    savedLongAgo(dir.path(), finishedGame(20));
    record::listRecords(dir.path());
    const QString indexFile = record::indexPath(dir.path());
    record::ListIndex index = record::readIndex(indexFile);
    ASSERT_EQ(index.size(), 1);
    index.begin()->game->names[0] = QStringLiteral("only in the index");
    record::writeIndex(indexFile, index);
    EXPECT_EQ(record::listRecords(dir.path()).at(0).game.name(1), QStringLiteral("only in the index"));
}

TEST(RecordList, ADamagedIndexOrAGoneFileListsFromTheRecordsThemselves)
{
    QTemporaryDir dir;
    const QString gone = savedLongAgo(dir.path(), finishedGame(9));
    savedLongAgo(dir.path(), finishedGame(20));
    ASSERT_EQ(record::listRecords(dir.path()).size(), 2u);
    ASSERT_TRUE(QFile::remove(gone));
    const QString indexFile = record::indexPath(dir.path());
    QByteArray index = contents(indexFile);
    for (const qsizetype at : {qsizetype(0), index.size() / 2, index.size() - 1}) {
        QByteArray damaged = index;
        damaged[at] = char(damaged[at] ^ 0x5a);
        overwrite(indexFile, damaged);
        const auto listed = record::listRecords(dir.path());
        ASSERT_EQ(listed.size(), 1u) << at;
        Record expected = finishedGame(20);
        expected.moves.clear();
        EXPECT_EQ(listed[0].game, expected) << at;
    }
    overwrite(indexFile, index.left(index.size() / 3));
    EXPECT_EQ(record::listRecords(dir.path()).size(), 1u);
    EXPECT_EQ(record::readIndex(indexFile).size(), 1); // rewritten without the gone file
}

TEST(RecordList, TakesTheSuffixInAnyCaseAndPassesOverHiddenFiles)
{
    QTemporaryDir dir;
    const QByteArray text = record::recordText(finishedGame(20));
    overwrite(dir.filePath(QStringLiteral("GAME.TXT")), text);
    overwrite(dir.filePath(QStringLiteral(".hidden.txt")), text);
    overwrite(dir.filePath(QStringLiteral("game.txt.tmp")), text);
    const auto listed = record::listRecords(dir.path());
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_TRUE(listed[0].path.endsWith(QStringLiteral("/GAME.TXT")));
}
