#pragma once
#include "record/record.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// A record as a small UTF-8 text of one line per fact (docs/RECORDS.md). The reader takes any
// bytes at all: what is not a record is said in a sentence the player can read.
namespace record {

QByteArray recordText(const Record& game);

struct Reading {
    // Absent when the settings or the seats cannot be read: then there is no game to show.
    std::optional<Record> game;
    // Why the reading stopped early, with its line; empty when the whole file was read. A game
    // cut short keeps the moves read before the fault and counts as unfinished.
    QString problem;
    int problemLine = 0;
};

Reading readRecord(QByteArrayView bytes);

} // namespace record
