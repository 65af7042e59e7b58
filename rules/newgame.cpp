#include "rules/failure.h"
#include "rules/game.h"
#include <algorithm>
#include <span>
#include <QCoreApplication>

namespace rules {

void Game::Reset(const Settings& settings, const QStringList& members)
{
    myTurn_ = false; // a turn of the last game must not stay open: a move made there would reach nobody
    position_.setScoring(settings.scoring);
    showNames(members); // throws before any later state changes
    lastCol_ = lastRow_ = -1;
    // Seat 1's lamp lights and the others go out; only the end shows, the order 1, 2, 4, 3 is
    // the one the windows have always used.
    view_.showLamp(1, true);
    view_.showLamp(2, false);
    view_.showLamp(4, false);
    view_.showLamp(3, false);
    showStartingScores();
    // The lobby's sliders bound both; a corrupt start message must not break the layout.
    timeLimit_ = std::clamp(settings.timeLimit, MinTimeLimit, NoLimit);
    timeLeft_ = timeLimit_;
    showTimeLimit();
    setUpBoard(std::clamp(settings.boardSize, MinBoardSize, MaxBoardSize), settings.rotation);
    // What the last game left on the screen goes: its result and the texts of its status bar.
    view_.showStatus(QString());
    view_.showResult({});
    if (log_)
        log_->gameStarted(*this);
}

// The grid, the window figures and the board of a new game, repainted whole.
void Game::setUpBoard(int size, bool rotation)
{
    // The board and its size change together, so that no repaint ever reads outside the board;
    // seat 1 is to move with no pass yet and the starting scores.
    position_ = Position::empty(size, scoring(), rotation);
    view_.setBoardSize(size);
    view_.setCaption(QCoreApplication::translate("rules::Game", "Kuralo　サイズ%1").arg(size));
    view_.showGain(QString(), 0);
    view_.DelBlock(centerCol() - 3, centerRow() - 3, centerCol() + 3, centerRow() + 3);
    position_.layOut();
    view_.repaintWholeBoard();
}

void Game::showNames(const QStringList& members)
{
    for (int i = 0; i < Seats; ++i) {
        if (i >= members.size())
            throw Failure(
                QCoreApplication::translate("rules::Game", "リストのインデックスが範囲を超えています (%1)").arg(i));
        names_[i + 1] = members[i];
        view_.showName(i + 1, members[i]);
    }
}

// Shown before the new board stands, as the new game will start them.
void Game::showStartingScores()
{
    const int start = startingScore(scoring());
    for (int seat = 1; seat <= Seats; ++seat)
        view_.showScore(seat, scoreText(start));
}

void Game::showTimeLimit()
{
    if (timeLimit_ >= NoLimit) {
        view_.showTimeLeft(QCoreApplication::translate("rules::Game", "時間制限 無し"));
        station_.stopTimers();
    } else {
        showCountdown();
        station_.setTimeoutInterval(timeLimit_ * 1000);
    }
}

void Game::showScore(int seat)
{
    view_.showScore(seat, scoreText(scores()[seat]));
}

QString Game::scoreText(int score) const
{
    const QString unit = countMode() ? QCoreApplication::translate("rules::Game", "%1個")
                                     : QCoreApplication::translate("rules::Game", "%1点");
    return unit.arg(score);
}

} // namespace rules
