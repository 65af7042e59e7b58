#include "record/recordstore.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

using record::Record;

namespace {

Record gameAt(int hour, int seat)
{
    Record game;
    game.played = QDateTime(QDate(2026, 12, 8), QTime(hour, 0), QTimeZone::utc());
    game.names = {QStringLiteral("あおい"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
    game.ownSeat = seat;
    game.moves = {{1, 2, 3}, {2, -1, -1}};
    return game;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(RecordStore, RecordsOfOneMomentKeepEachOtherAndListInOrder)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("taisen/games"));
    const auto first = record::saveRecord(folder, gameAt(20, 1));
    const auto again = record::saveRecord(folder, gameAt(20, 1));
    const auto earlier = record::saveRecord(folder, gameAt(9, 0));
    ASSERT_TRUE(first.error.isEmpty() && again.error.isEmpty() && earlier.error.isEmpty()) << first.error.toStdString();
    EXPECT_NE(first.path, again.path);
    writeFile(dir.filePath(QStringLiteral("taisen/games/notes.txt")), "shopping list\n");
    writeFile(dir.filePath(QStringLiteral("taisen/games/big.txt")), QByteArray(record::MaxBytes + 1, 'x'));
    const auto listed = record::listRecords(folder);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].path, earlier.path);
    Record listedGame = gameAt(20, 1);
    listedGame.moves.clear(); // a listing keeps no moves
    EXPECT_EQ(listed[1].game, listedGame);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 5); // no temporary file left behind
}

TEST(RecordStore, AFolderThatCannotBeMadeSaysSoAndWritesNothing)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("taisen")), "a file where the folder should be");
    const auto saved = record::saveRecord(dir.filePath(QStringLiteral("taisen/games")), gameAt(20, 1));
    EXPECT_TRUE(saved.path.isEmpty());
    EXPECT_FALSE(saved.error.isEmpty());
}

TEST(RecordStore, TheFolderFollowsXdgDataHomeWhenItIsAbsolute)
{
    const QByteArray kept = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(record::recordsFolder(), QStringLiteral("/srv/data/taisen/games"));
    qputenv("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(record::recordsFolder(), QDir::homePath() + QStringLiteral("/.local/share/taisen/games"));
    qputenv("XDG_DATA_HOME", kept);
}

TEST(RecordStore, AMissingOrBinaryFileIsNoRecord)
{
    QTemporaryDir dir;
    EXPECT_FALSE(record::openRecord(dir.filePath(QStringLiteral("none.txt"))).problem.isEmpty());
    writeFile(dir.filePath(QStringLiteral("bin.txt")), QByteArray("\x7f" "ELF\x02\x01\x01\0\0", 9));
    const auto reading = record::openRecord(dir.filePath(QStringLiteral("bin.txt")));
    EXPECT_FALSE(reading.game.has_value());
    EXPECT_FALSE(reading.problem.isEmpty());
}

// A disk that takes only the first bytes, as a full one does: no file at all, and the reason.
TEST(RecordStore, ARecordTheDiskCannotHoldWholeLeavesNoFile)
{
    QTemporaryDir dir;
    rlimit kept{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &kept), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = kept;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto saved = record::saveRecord(dir.path(), gameAt(20, 1));
    ::setrlimit(RLIMIT_FSIZE, &kept);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(saved.path.isEmpty());
    EXPECT_FALSE(saved.error.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Refused at once with the reason: a pipe with no writer would otherwise hold the reader for ever.
TEST(RecordStore, OnlyARegularFileIsReadAsARecord)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, QString> cases[] = {{fifo, QStringLiteral("名前付きパイプ")},
                                                 {dir.path(), QStringLiteral("フォルダ")},
                                                 {QStringLiteral("/dev/null"), QStringLiteral("デバイス")}};
    for (const auto& [path, kind] : cases) {
        const auto reading = record::openRecord(path);
        EXPECT_FALSE(reading.game.has_value());
        EXPECT_TRUE(reading.problem.contains(kind)) << reading.problem.toStdString();
    }
}
