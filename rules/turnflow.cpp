#include "rules/game.h"
#include "rules/ranking.h"
#include <random>
#include <QCoreApplication>

namespace rules {

bool Game::TableSelectCell(int col, int row)
{
    if (!Search_Face(col, row)) {
        view_.play(Sound::Buzz);
        return false;
    }
    placeLegal(col, row);
    return true;
}

// (col, row) is legal for the seat to move.
void Game::placeLegal(int col, int row)
{
    PutFace(col, row);
    position_.endPlacement();
    stopCountdown();
    // The mover's own seat goes out with the move that fills the board.
    endTurn(col, row);
}

void Game::playAccepted(int col, int row)
{
    if (col < 0)
        BtnPassClick();
    else
        placeLegal(col, row);
    openTurnFor(curPlayer());
}

void Game::openTurnFor(int seat)
{
    if (!gameOver() && seat == station_.mySeat())
        BeginLocalTurn();
}

void Game::BtnPassClick()
{
    position_.countPass();
    stopCountdown();
    endTurn(-1, -1);
}

// The move has been applied and its countdown stopped: the turn passes on, or the game ends.
// A guest tells its own move from another's by the turn still being open as it announces.
void Game::endTurn(int col, int row)
{
    if (log_)
        log_->movePlayed(curPlayer(), Cell{col, row});
    if (gameOver()) {
        station_.announce(col, row);
        myTurn_ = false;
        endgame();
        return;
    }
    nextplayer();
    station_.announce(col, row);
    myTurn_ = false;
}

void Game::nextplayer()
{
    if (rotation() && jewelTouched())
        do_rotation();
    const int ended = curPlayer();
    position_.handOn();
    view_.showLamp(ended, false);
    view_.showLamp(curPlayer(), true);
    showTurnCaption();
}

void Game::showTurnCaption()
{
    if (station_.mySeat() == curPlayer())
        view_.setCaption(QCoreApplication::translate("rules::Game", "Kuralo 【あなたの番です】"));
    else
        view_.setCaption(
            QCoreApplication::translate("rules::Game", "Kuralo 【%1さんの番です】").arg(names_[curPlayer()]));
}

void Game::endgame()
{
    if (log_)
        log_->gameEnded(*this);
    station_.setBoardEnabled(false);
    station_.setPassEnabled(false);
    view_.showStatus(QCoreApplication::translate("rules::Game", "終了！"));
    view_.setCaption(QCoreApplication::translate("rules::Game", "ゲーム終了　"));
    view_.showResult(ranking({names_.begin() + 1, names_.end()}, {scores().begin() + 1, scores().end()}));
    if (station_.isHost())
        station_.Setting_enable(true);
}

void Game::BeginLocalTurn()
{
    openTurn();
    if (station_.autoPlay())
        tekitoo();
}

// No change of turn has named the first seat yet.
void Game::openFirstTurn()
{
    showTurnCaption();
    openTurn();
}

// The timers follow the limit this game was started with, not the lobby's slider of today.
void Game::openTurn()
{
    station_.setBoardEnabled(true);
    station_.setPassEnabled(true);
    myTurn_ = true;
    if (timeLimit_ < NoLimit)
        station_.startTimers();
}

void Game::tekitoo()
{
    station_.setPassEnabled(false);
    view_.pause(100);
    const auto cells = legalCells();
    if (cells.empty()) {
        BtnPassClick();
        return;
    }
    std::mt19937 generator(station_.autoPlaySeed());
    std::uniform_int_distribution<std::size_t> pick(0, cells.size() - 1);
    const auto [col, row] = cells[pick(generator)];
    TableSelectCell(col, row);
}

// A tick that was queued while a placement ran, or after the turn ended, is stale.
void Game::TimerTimer()
{
    if (!myTurn_)
        return;
    view_.showTimeLeft(QCoreApplication::translate("rules::Game", "時間切れ"));
    BtnPassClick();
}

void Game::counterTimer()
{
    if (!myTurn_)
        return;
    --timeLeft_;
    showCountdown();
}

// The turn is over: its timers stop and the countdown shows the full time again.
void Game::stopCountdown()
{
    if (timeLimit_ >= NoLimit)
        return;
    station_.stopTimers();
    timeLeft_ = timeLimit_;
    showCountdown();
}

void Game::showCountdown()
{
    view_.showTimeLeft(QCoreApplication::translate("rules::Game", "残り%1秒").arg(timeLeft_));
}

} // namespace rules
