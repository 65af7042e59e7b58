#include "rules/failure.h"
#include "rules/game.h"
#include <algorithm>
#include <span>
#include <QCoreApplication>

namespace rules {

void Game::Reset(const Settings& settings, const QStringList& members)
{
    countMode = settings.scoring == Scoring::Count;
    hoverCol = hoverRow = 0;
    showNames(members); // throws before any later state changes
    lastCol = lastRow = -1;
    // Seat 1's lamp lights and the others go out; only the end shows, the order 1, 2, 4, 3 is
    // the one the windows have always used.
    view_.showLamp(1, true);
    view_.showLamp(2, false);
    view_.showLamp(4, false);
    view_.showLamp(3, false);
    curPlayer = 1;
    passCount = 0;
    showStartingScores();
    // The lobby's sliders bound both; a corrupt start message must not break the layout.
    timeLimit = std::clamp(settings.timeLimit, MinTimeLimit, NoLimit);
    timeLeft = timeLimit;
    showTimeLimit();
    skipEcho = false;
    gameOver = false;
    setUpBoard(std::clamp(settings.boardSize, MinBoardSize, MaxBoardSize));
    // What the last game left on the screen goes: its result and the texts of its status bar.
    view_.showStatus(QString());
    view_.showResult({});
    if (log_)
        log_->gameStarted(*this, station_.rotationOn(), station_.mySeat());
}

// The grid, the window figures and the board of a new game, repainted whole.
void Game::setUpBoard(int size)
{
    // board and boardSize change together, so that no repaint ever reads outside the board
    boardSize = size;
    board.reset(size);
    view_.setBoardSize(size);
    view_.setCaption(QCoreApplication::translate("rules::Game", "Kuralo　サイズ%1").arg(size));
    view_.showGain(QString(), 11);
    centerCol = size / 2;
    centerRow = size / 2;
    view_.DelBlock(centerCol - 3, centerRow - 3, centerCol + 3, centerRow + 3);
    board.layOut();
    repaintAll = true;
    view_.repaintBoard();
    repaintAll = false;
}

void Game::showNames(const QStringList& members)
{
    for (int i = 0; i < Seats; ++i) {
        if (i >= members.size())
            throw Failure(
                QCoreApplication::translate("rules::Game", "リストのインデックスが範囲を超えています (%1)").arg(i));
        names[i + 1] = members[i];
        view_.showName(i + 1, members[i]);
    }
}

void Game::showStartingScores()
{
    for (int seat = 1; seat <= Seats; ++seat) {
        scores[seat] = 0;
        addscore(seat, startingScore(scoring()));
    }
}

void Game::showTimeLimit()
{
    if (timeLimit >= NoLimit) {
        view_.showTimeLeft(QCoreApplication::translate("rules::Game", "時間制限 無し"));
        station_.stopTimers();
    } else {
        showCountdown();
        station_.setTimeoutInterval(timeLimit * 1000);
    }
}

void Game::addscore(int seat, int amount)
{
    scores[seat] += amount;
    const QString unit = countMode ? QCoreApplication::translate("rules::Game", "%1個")
                                   : QCoreApplication::translate("rules::Game", "%1点");
    view_.showScore(seat, unit.arg(scores[seat]));
}

bool Game::existSpace() const
{
    return board.hasEmpty();
}

} // namespace rules
