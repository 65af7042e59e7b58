#include "ui/main.h"

// The announcement of a move to the other stations; the local turn closes in any case.
namespace ui {

void Tmainform::sendgameinfo([[maybe_unused]] int col, [[maybe_unused]] int row)
{
    game.myTurn = false;
    setBoardEnabled(false);
    setPassEnabled(false);
}

} // namespace ui
