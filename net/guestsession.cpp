#include "net/guestsession.h"

#include "net/guestlink.h"
#include "net/message.h"
#include "net/names.h"

#include <QCoreApplication>

namespace net {

QString desyncNotice()
{
    return QCoreApplication::translate("net", "▲受信した手を盤に置けません。盤面が他の端末と食い違っています");
}

// Joining under the name the host will accept lets the reply be told apart by its last line:
// the name as its bytes read back, which is how the reply brings it.
QString GuestSession::CSConnect(const QString& name)
{
    name_ = acceptName(name, {});
    started_ = false;
    awaitingEcho_ = false;
    link_.setOwnName(decodeLine(encodeMessage({name_}).chopped(2)));
    link_.send(joinMessage(name_));
    return name_;
}

void GuestSession::CSRead(const QStringList& message)
{
    const auto kind = lineNumber(message, 0);
    if (!kind)
        return;
    if (*kind < MsgStart)
        lobby_.ring();
    switch (*kind) {
    case MsgJoin: lobby_.setMembers(message.mid(1)); break;
    case MsgLeave:
        lobby_.addChat(message.value(1));
        lobby_.setMembers(message.mid(2));
        break;
    case MsgChat: lobby_.addChat(message.value(1)); break;
    case MsgStart: start(message); break;
    case MsgMove: move(message); break;
    case MsgCatchUp: game_.catchingUp(message.value(1) == u"1"); break;
    default: break;
    }
}

void GuestSession::start(const QStringList& message)
{
    const auto settings = parseStart(message);
    // A running game is not restarted by lines behind a chat.
    if (!settings || (link_.followsChat() && started_ && game_.gameRunning()))
        return;
    started_ = false; // until the new game stands, no move belongs to any
    awaitingEcho_ = false;
    started_ = game_.startGame(*settings);
}

// A guest that joined during a game has no board for it and waits for the next start.
void GuestSession::move(const QStringList& message)
{
    const auto m = parseMove(message);
    if (!m || !started_ || !game_.gameRunning() || (link_.followsChat() && !awaited(*m)))
        return;
    // What comes back for this station's own turn is its move, unless the host took another for
    // the seat (it passed for a station that had gone silent).
    if (std::exchange(awaitingEcho_, false)) {
        if (m->col != sent_.col || m->row != sent_.row)
            game_.overruled(*m);
        return;
    }
    game_.moveArrived(*m);
}

// Lines behind a chat are a move only when they are the one the game awaits: the echo of this
// station's own, or another seat's legal move that hands the turn on.
bool GuestSession::awaited(const Move& m) const
{
    if (awaitingEcho_)
        return m.col == sent_.col && m.row == sent_.row;
    return game_.awaits(m);
}

void GuestSession::CSDisconnect()
{
    link_.send(leaveMessage(name_));
}

void GuestSession::connectionEnded()
{
    if (started_ && game_.gameRunning())
        game_.stopGame();
    started_ = false;
    awaitingEcho_ = false;
}

void GuestSession::sendChat(const QString& line)
{
    link_.send(chatMessage(line));
}

void GuestSession::sendgameinfo(int turnSeat, int col, int row)
{
    link_.send(moveMessage(turnSeat, col, row));
    awaitingEcho_ = true;
    sent_ = {turnSeat, col, row};
}

} // namespace net
