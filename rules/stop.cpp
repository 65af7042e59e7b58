#include "rules/game.h"
#include <QCoreApplication>

namespace rules {

void Game::abandon()
{
    stopCountdown();
    myTurn_ = false;
    station_.setBoardEnabled(false);
    station_.setPassEnabled(false);
    view_.setCaption(QCoreApplication::translate("rules::Game", "ゲーム中断　"));
    if (log_)
        log_->gameStopped();
}

} // namespace rules
