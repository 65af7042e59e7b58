#include "net/guestsession.h"
#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "ui/boot.h"
#include "ui/main.h"

// The announcement of a move to the other stations; the local turn closes in any case.
namespace ui {

// The host sends every move it applies, its own and the guests'; a guest only its own.
void Tmainform::sendgameinfo(int col, int row)
{
    if (isHost())
        boot_.SS->lobby().sendToGuests(net::moveMessage(game.curPlayer(), col, row));
    else
        boot_.guest->sendgameinfo(game, col, row);
    game.myTurn = false;
    setBoardEnabled(false);
    setPassEnabled(false);
}

} // namespace ui
