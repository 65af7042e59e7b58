#include "net/guestsession.h"

#include "net/guestlink.h"
#include "net/message.h"
#include "net/names.h"
#include "net/receivedmove.h"
#include "rules/game.h"

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
    game_ = nullptr;
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
        station_.ring();
    switch (*kind) {
    case MsgJoin: station_.setMembers(message.mid(1)); break;
    case MsgLeave:
        station_.addChat(message.value(1));
        station_.setMembers(message.mid(2));
        break;
    case MsgChat: station_.addChat(message.value(1)); break;
    case MsgStart: start(message); break;
    case MsgMove: move(message); break;
    default: break;
    }
}

void GuestSession::start(const QStringList& message)
{
    const auto settings = parseStart(message);
    // A running game is not restarted by lines behind a chat.
    if (!settings || (link_.followsChat() && game_ && !game_->gameOver()))
        return;
    game_ = nullptr; // until the new game stands, no move belongs to any
    awaitingEcho_ = false;
    game_ = station_.startGame(*settings);
    desyncShown_ = false;
}

// A guest that joined during a game has no board for it and waits for the next start.
void GuestSession::move(const QStringList& message)
{
    const auto m = parseMove(message);
    if (!m || !game_ || game_->gameOver() || (link_.followsChat() && !awaited(*m)))
        return;
    if (std::exchange(awaitingEcho_, false))
        return;
    if (!applyReceivedMove(*game_, *m) && !std::exchange(desyncShown_, true))
        station_.addChat(desyncNotice());
    game_->openTurnFor(m->turnSeat);
}

// Lines behind a chat are a move only when they are the one the game awaits: the echo of this
// station's own, or another seat's legal move that hands the turn on.
bool GuestSession::awaited(const Move& m) const
{
    if (awaitingEcho_)
        return m.col == sent_.col && m.row == sent_.row;
    const int mover = game_->curPlayer();
    const bool handsOn = m.turnSeat == mover % rules::Seats + 1 || m.turnSeat == mover;
    return mover != game_->mySeat() && handsOn && (m.isPass() || game_->Search_Face(m.col, m.row));
}

void GuestSession::CSDisconnect()
{
    link_.send(leaveMessage(name_));
}

void GuestSession::connectionEnded()
{
    if (game_ && !game_->gameOver())
        game_->abandon();
    game_ = nullptr;
    awaitingEcho_ = false;
}

void GuestSession::sendChat(const QString& line)
{
    link_.send(chatMessage(line));
}

void GuestSession::sendgameinfo(const rules::Game& game, int col, int row)
{
    if (game.myTurn()) {
        link_.send(moveMessage(game.curPlayer(), col, row));
        awaitingEcho_ = true;
        sent_ = {game.curPlayer(), col, row};
    }
}

} // namespace net
