#include "record/listindex.h"
#include "record/recordstore.h"
#include <QFile>
#include <algorithm>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <strings.h>
#include <sys/stat.h>

namespace record {

namespace {

constexpr auto SettleTime = std::chrono::seconds(2);

qint64 nanoseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

qint64 nanoseconds(std::chrono::system_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

// The folder's regular files named *.txt with their stamps, in no order; links are followed.
std::vector<std::pair<QString, FileStamp>> recordFiles(const QString& folder)
{
    std::vector<std::pair<QString, FileStamp>> files;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()), ::closedir);
    if (!dir)
        return files;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        struct stat status {};
        // Hidden files are passed over, and the suffix's case does not matter.
        if (name.size() <= 4 || name[0] == '.' || ::strcasecmp(entry->d_name + name.size() - 4, ".txt") != 0 ||
            ::fstatat(::dirfd(dir.get()), entry->d_name, &status, 0) != 0 || !S_ISREG(status.st_mode))
            continue;
        files.emplace_back(
            QFile::decodeName(entry->d_name),
            FileStamp{status.st_size, nanoseconds(status.st_mtim), nanoseconds(status.st_ctim), qint64(status.st_ino)});
    }
    return files;
}

// The game of a file the index does not know as it is now; its moves are not kept.
IndexEntry readAnew(const QString& path, const FileStamp& stamp)
{
    IndexEntry entry{stamp, std::nullopt};
    if (stamp.size > MaxBytes)
        return entry;
    entry.game = openRecord(path).game;
    if (entry.game)
        entry.game->moves.clear();
    return entry;
}

} // namespace

std::vector<Listed> listRecords(const QString& folder)
{
    const QString indexFile = indexPath(folder);
    const ListIndex known = readIndex(indexFile);
    // A file written within the clock's coarse step of a listing could change again unseen by
    // its stamp: such a file is read again until it has settled.
    const qint64 settled = nanoseconds(std::chrono::system_clock::now() - SettleTime);
    ListIndex now;
    bool learnt = false;
    std::vector<Listed> listed;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    for (const auto& [name, stamp] : recordFiles(folder)) {
        const auto found = known.constFind(name);
        const bool current = found != known.cend() && found->stamp == stamp;
        const IndexEntry entry = current ? *found : readAnew(prefix + name, stamp);
        if (stamp.modified < settled) {
            now.insert(name, entry);
            learnt = learnt || !current;
        }
        if (entry.game)
            listed.push_back(Listed{prefix + name, *entry.game});
    }
    // Files gone since leave the index too.
    if (learnt || now.size() != known.size())
        writeIndex(indexFile, now);
    // Games of the same moment in the order of their files' names.
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        const qint64 first = a.game.played.toMSecsSinceEpoch(), second = b.game.played.toMSecsSinceEpoch();
        return first != second ? first < second : a.path < b.path;
    });
    return listed;
}

} // namespace record
