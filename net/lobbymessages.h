#pragma once
#include <QStringList>
#include <optional>

// The lobby's messages composed and read without a socket: member notices, the start of a
// game and a move (the lines of each kind are listed in message.h).
namespace net {

// What the host does when a guest joins or leaves: the member list after the change, the
// notice for its own chat log, and the lines that go to the guests.
struct MemberChange {
    QStringList members;
    QString notice;
    QStringList toOthers; // "1", notice, members
    QStringList toSender; // "0", members; empty when the sender is sent nothing
};

MemberChange memberJoined(QStringList members, const QString& name);
// Removes the first name equal to `name`, letter case ignored; an unknown name changes nothing.
MemberChange memberLeft(QStringList members, const QString& name);
// Four names make a game; fewer take the settings away again.
constexpr int PlayersToStart = 4;

QStringList joinMessage(const QString& name);  // "0", own name
QStringList leaveMessage(const QString& name); // "1", own name
QStringList chatMessage(const QString& line);  // "2", line

// The settings a game starts with, as MsgStart carries them.
struct StartSettings {
    int boardSize = 8;
    int seat = 0;
    int scoreMethod = 0; // item index of the scoring rule: 0 points, 1 count
    int timeLimit = 61;
    bool rotation = false;
};

QStringList startMessage(const StartSettings& s);
// Empty when a number is missing or not decimal; rotation is on exactly for the text "1".
std::optional<StartSettings> parseStart(const QStringList& m);

// A placement, or a pass when col is -1 (row is then not read).
struct Move {
    int turnSeat = 0;
    int col = -1;
    int row = -1;
    bool isPass() const { return col == -1; }
};

QStringList moveMessage(int turnSeat, int col, int row);
// Empty when a line that the move needs is missing or not a decimal number.
std::optional<Move> parseMove(const QStringList& m);

} // namespace net
