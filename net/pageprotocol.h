#pragma once
// The protocol between the host and a browser's page: one JSON object per WebSocket text frame,
// its kind in "t". The page holds no rule: it draws what the host sends and sends what its
// player chose; the host checks everything as it checks a guest's messages.
//
//   page -> host  {"t":"join", "name":N, "secret":S?}   S: the secret an earlier "joined" gave
//                 {"t":"chat", "text":T}
//                 {"t":"move", "col":C, "row":R}          a placement
//                 {"t":"pass"}
//   host -> page  {"t":"joined", "name":N, "secret":S, "members":[...]}   N as the host accepted it
//                 {"t":"members", "members":[...], "notice":L}           someone came or went
//                 {"t":"chat", "line":L}                                  "name：text", as relayed
//                 {"t":"state", "size":n, "cells":[...], "seat":s, "turn":t, "names":[4],
//                  "scores":[4], "moves":m, "last":[C,R]|null, "mover":s, "taken":[[C,R]...],
//                  "jewelsTurned":b, "over":b, "places":[4]|null, "yourTurn":b, "legal":[[C,R]...],
//                  "countMode":b, "timeLimit":n}
//                 {"t":"refused"}                                         that move did not count
//                 {"t":"bye", "reason":T}                                 the host closes the page
//
// "cells" lists the board column by column (index col * size + row) in the cell codes of the
// game; "seat" is 0 for a page that watches; "legal" is empty except on the page's own turn;
// "taken" are the faces the last move took. Numbers are JSON numbers, text is UTF-8.

#include "rules/cell.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace net {

// The longest frame a page may send; anything longer is a faulty page.
constexpr int MaxPageFrameBytes = 2048;

struct PageRequest {
    enum class Kind { Join, Chat, Move, Pass };
    Kind kind = Kind::Join;
    QString text; // the name of a join, the text of a chat
    QString secret;
    rules::Cell cell;
};

// Empty for anything but one well-formed request: junk, a missing or mistyped field, a cell
// whose numbers are not whole.
std::optional<PageRequest> parsePageRequest(const QByteArray& frame);

struct PageState {
    int size = 0;
    std::vector<int> cells; // column by column
    int seat = 0;
    int turn = 0;
    std::array<QString, 4> names;
    std::array<int, 4> scores{};
    int moves = 0;
    std::optional<rules::Cell> last;
    int mover = 0;
    std::vector<rules::Cell> taken;
    bool jewelsTurned = false;
    bool over = false;
    std::array<int, 4> places{}; // read only when over
    bool yourTurn = false;
    std::vector<rules::Cell> legal;
    bool countMode = false;
    int timeLimit = rules::NoLimit;
};

QByteArray joinedFrame(const QString& name, const QString& secret, const QStringList& members);
QByteArray membersFrame(const QStringList& members, const QString& notice);
QByteArray chatFrame(const QString& line);
QByteArray stateFrame(const PageState& state);
QByteArray refusedFrame();
QByteArray byeFrame(const QString& reason);

} // namespace net
