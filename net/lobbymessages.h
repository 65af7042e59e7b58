#pragma once
#include "rules/cell.h"
#include "rules/scoring.h"
#include "rules/settings.h"

#include <QStringList>
#include <optional>

// The lobby's messages composed and read without a socket: member notices, the start of a
// game and a move (the lines of each kind are listed in message.h).
namespace net {

// "◆" name "氏の来訪" and "◆" name "氏の退室": what the chat logs show.
QString joinNotice(const QString& name);
QString leaveNotice(const QString& name);
QStringList replyMessage(const QStringList& members);                         // "0", members
QStringList noticeMessage(const QString& notice, const QStringList& members); // "1", notice, members
// Four names make a game; fewer take the settings away again.
constexpr int PlayersToStart = rules::Seats;
// The host is the first member; its guests take the seats after it in the order they joined.
constexpr int HostSeat = 1;

QStringList joinMessage(const QString& name);  // "0", own name
QStringList leaveMessage(const QString& name); // "1", own name
QStringList chatMessage(const QString& line);  // "2", line

// The settings a game starts with, as MsgStart carries them.
struct StartSettings {
    int boardSize = rules::DefaultBoardSize;
    int seat = 0;
    rules::Scoring scoring = rules::Scoring::Points;
    int timeLimit = rules::NoLimit;
    bool rotation = false;

    rules::Settings game() const { return {boardSize, scoring, timeLimit, rotation}; }
};

// The settings a game was started with, for the guest of `seat`.
StartSettings startSettings(const rules::Settings& settings, int seat);
QStringList startMessage(const StartSettings& s);
// Empty when a number is missing or not decimal, or the scoring rule is neither 0 nor 1; rotation is on exactly for the text "1".
std::optional<StartSettings> parseStart(const QStringList& m);

// A placement, or a pass when col is -1 (row is then not read).
struct Move {
    int turnSeat = 0;
    int col = -1;
    int row = -1;
    bool isPass() const { return col == -1; }
    rules::Cell cell() const { return isPass() ? rules::Pass : rules::Cell{col, row}; }
};

QStringList moveMessage(int turnSeat, int col, int row);
// Empty when a line that the move needs is missing or not a decimal number.
std::optional<Move> parseMove(const QStringList& m);

// The marks around a catch-up: `begins` before its start, else after its last move.
QStringList catchUpMessage(bool begins);

} // namespace net
