#pragma once
#include "ai/level.h"

#include <QString>

class QTextStream;

namespace computer {

// What the command line asks of a computer player.
struct Options {
    QString host;
    quint16 port = 18389;
    QString name = QStringLiteral("CPU");
    ai::Level level = ai::Level::Strong;
    QString recordFolder = {}; // where the games go as records; none kept when empty
};

// What a computer player says when its host closes the connection: one line, translated.
QString hostWentLine();

// Plays every game the host starts until the host closes the connection, with no window at
// all; needs a running core application. Gives 0 then, saying hostWentLine() on `err`, and 1
// with the reason on `err` when it cannot connect (within ComputerGuest::ConnectTimeoutMs).
int playHeadless(const Options& options, QTextStream& err);

} // namespace computer
