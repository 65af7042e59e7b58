#include "net/guestlink.h"
#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "ui/boot.h"
#include "ui/main.h"

// The announcement of a move to the other stations; the local turn closes in any case.
namespace ui {

// The host sends every move it applies, its own and the guests'; a guest only its own.
void Tmainform::sendgameinfo(int col, int row)
{
    const QStringList message = net::moveMessage(game.curPlayer, col, row);
    if (isHost()) {
        boot_.SS->sendToGuests(message);
    } else if (game.myTurn) {
        boot_.CS->send(message);
        // The host passes the move back to every guest, the mover included, who has applied it.
        game.skipEcho = true;
    }
    game.myTurn = false;
    setBoardEnabled(false);
    setPassEnabled(false);
}

} // namespace ui
