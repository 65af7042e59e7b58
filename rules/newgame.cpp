#include "rules/failure.h"
#include "rules/game.h"
#include <algorithm>
#include <QCoreApplication>

namespace rules {

void Game::Reset(const Settings& settings, const QStringList& members, int mySeat)
{
    for (int i = 0; i < Seats; ++i)
        if (i >= members.size())
            throw Failure(
                QCoreApplication::translate("rules::Game", "リストのインデックスが範囲を超えています (%1)").arg(i));
    for (int i = 0; i < Seats; ++i)
        names_[i + 1] = members[i];
    settings_ = settings;
    mySeat_ = mySeat;
    // The lobby's sliders bound both; a corrupt start message must not break the layout.
    settings_.timeLimit = std::clamp(settings.timeLimit, MinTimeLimit, NoLimit);
    settings_.boardSize = std::clamp(settings.boardSize, MinBoardSize, MaxBoardSize);
    position_ = Position::newGame(settings_.boardSize, settings_.scoring, settings_.rotation);
    last_ = Pass;
    abandoned_ = false;
    moves_.clear();
    if (log_)
        log_->gameStarted(*this);
}

} // namespace rules
