#pragma once
#include "record/record.h"
#include <QHash>
#include <QString>
#include <optional>

// What a listing learnt of each file, kept beside the records so that the next listing reads
// only the files that are new or changed since.
namespace record {

// A file as the folder shows it without opening it; any write or replacement changes it.
struct FileStamp {
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // the inode's change time, which no tool sets back
    qint64 inode = 0;
    bool operator==(const FileStamp&) const = default;
};

struct IndexEntry {
    FileStamp stamp;
    // The game without its moves; none when the file holds no game.
    std::optional<Record> game;
};

// By file name within the folder.
using ListIndex = QHash<QString, IndexEntry>;

// The index's file in the records' folder, hidden from listings of the folder.
QString indexPath(const QString& folder);

// Empty when the file is missing, damaged or of another version: then every file is read again.
ListIndex readIndex(const QString& path);

// Whole or not at all; a folder that cannot be written keeps no index, which only costs time.
void writeIndex(const QString& path, const ListIndex& index);

} // namespace record
