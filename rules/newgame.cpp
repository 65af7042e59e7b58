#include "rules/failure.h"
#include "rules/game.h"
#include <algorithm>

namespace rules {

void Game::Reset(const Settings& settings, const QStringList& members)
{
    countMode = settings.countMode;
    hoverCol = hoverRow = 0;
    showNames(members); // throws before any later state changes
    lastCol = lastRow = -1;
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
}

// The grid, the window figures and the board of a new game, repainted whole.
void Game::setUpBoard(int size)
{
    // board and boardSize change together, so that no repaint ever reads outside the board
    boardSize = size;
    board.reset(size);
    view_.setBoardSize(size);
    view_.setCaption(QStringLiteral("Kuralo　サイズ") + QString::number(size));
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
            throw Failure(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(i));
        names[i + 1] = members[i];
        view_.showName(i + 1, members[i]);
    }
}

void Game::showStartingScores()
{
    for (int seat = 1; seat <= Seats; ++seat) {
        scores[seat] = 0;
        addscore(seat, countMode ? 2 : 0);
    }
}

void Game::showTimeLimit()
{
    if (timeLimit >= NoLimit) {
        view_.showTimeLeft(QStringLiteral("時間制限 無し"));
        station_.stopTimers();
    } else {
        showCountdown();
        station_.setTimeoutInterval(timeLimit * 1000);
    }
}

void Game::addscore(int seat, int amount)
{
    scores[seat] += amount;
    view_.showScore(seat, QString::number(scores[seat]) + (countMode ? QStringLiteral("個") : QStringLiteral("点")));
}

bool Game::existSpace() const
{
    return board.hasEmpty();
}

} // namespace rules
