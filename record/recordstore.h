#pragma once
#include "record/recordtext.h"
#include <QString>
#include <vector>

// Records on disk: one file a game, in the user's data folder.
namespace record {

// $XDG_DATA_HOME/taisen/games, or ~/.local/share/taisen/games when that is not set.
QString recordsFolder();

struct Saved {
    QString path;  // the file written
    QString error; // why nothing was written; empty on success
};

// Writes the game whole or not at all (a temporary file synced and renamed into place), into the
// folder, which is made when missing. The file's name holds the start time and the station's seat, and
// never replaces another record.
Saved saveRecord(const QString& folder, const Record& game);

// A file that holds no game is left out of a listing.
struct Listed {
    QString path;
    Record game; // without its moves, which openRecord reads; a damaged record is unfinished
};

// Every record in the folder, the oldest first; files too large to be records are passed over
// unread. Only files new or changed since the last listing are read (record/listindex.h).
std::vector<Listed> listRecords(const QString& folder);

// A file read as a record: its reading, or why it could not be read. Only a regular file is
// read; a pipe, a device or a folder is refused at once.
Reading openRecord(const QString& path);

} // namespace record
