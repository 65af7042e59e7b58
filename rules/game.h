#pragma once
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/gamelog.h"
#include "rules/gameview.h"
#include "rules/position.h"
#include "rules/scoring.h"
#include "rules/settings.h"
#include "rules/station.h"
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace rules {

// One game on one station: its state, and the operations that every station applies in the
// same order so that the four copies stay identical. The screen, the sounds, the pauses and
// the station's own controls are reached only through GameView and Station.
class Game {
public:
    Game(GameView& view, Station& station)
        : view_(view), station_(station), position_(Position::empty(0, Scoring::Points, false))
    {
    }

    // --- state, read only; the operations below change it ---
    const Position& position() const { return position_; }
    const Board& board() const { return position_.board(); } // board()[column][row] is a cell code
    int boardSize() const { return position_.size(); }
    int centerCol() const { return boardSize() / 2; }
    int centerRow() const { return boardSize() / 2; }
    int curPlayer() const { return position_.toMove(); }
    const std::array<int, 5>& scores() const { return position_.scores(); } // indexed 1..4 by seat
    int passCount() const { return position_.passCount(); }
    bool jewelTouched() const { return position_.jewelTouched(); } // by the last placement
    bool gameOver() const { return position_.over(); }             // from the end until the next Reset
    // The last placement's cell, (-1, -1) before the first.
    int lastCol() const { return lastCol_; }
    int lastRow() const { return lastRow_; }
    int timeLimit() const { return timeLimit_; } // NoLimit for none
    int timeLeft() const { return timeLeft_; }
    const QString& name(int seat) const { return names_[seat]; } // seat 1..4: what the name labels show
    bool rotation() const { return position_.rotation(); }
    // This station's seat in the game, 0 for a watcher; the station keeps it.
    int mySeat() const { return station_.mySeat(); }
    // This station's turn is open: from its opening until its move has been announced, or a new
    // game is set up.
    bool myTurn() const { return myTurn_; }

    Scoring scoring() const { return position_.scoring(); }
    // Who keeps the games: told of each start, move and end from then on; none by default.
    void setLog(GameLog* log) { log_ = log; }
    bool onBoard(int col, int row) const { return position_.board().contains(col, row); }

    // --- new game ---
    // Throws Failure ("リストのインデックスが範囲を超えています (i)") with fewer than four names;
    // the turn has closed and the scoring rule has been taken by then, everything else of the
    // previous game stays.
    void Reset(const Settings& settings, const QStringList& members);
    // Takes a game up from a position, as a test or a benchmark sets one; nothing is shown.
    void resume(const Position& position) { position_ = position; }
    bool existSpace() const { return position_.emptyCells() > 0; }

    // --- placement and capture ---
    bool Vector_Search(int col, int row, int dc, int dr) const;
    bool Search_Face(int col, int row) const; // false for a cell off the board
    void PutFace(int col, int row);
    void rev(int col, int row, int dc, int dr);
    std::vector<std::pair<int, int>> legalCells() const; // column-major

    // --- jewel rotation ---
    void do_rotation();
    void one_rotate(int frame, int col, int row, int direction);

    // --- turn flow ---
    // A placement by the seat to move; a cell that is not legal buzzes, changes nothing and
    // answers false.
    bool TableSelectCell(int col, int row);
    void BtnPassClick();
    // A guest's move that the host has checked, a placement legal for the seat to move or a pass
    // as (-1, -1): applied once, without a second check; then the host's own turn opens if it is next.
    void playAccepted(int col, int row);
    // The one place that decides to open this station's turn: the game goes on and `seat`, the seat
    // to move, is this station's.
    void openTurnFor(int seat);
    void nextplayer();
    void endgame();
    void BeginLocalTurn();
    // The host's first turn of a game opens without automatic play, and says whose it is.
    void openFirstTurn();
    void tekitoo();
    // Both ignore a tick unless this station's turn is open: a stale time-out never passes for the next seat.
    void TimerTimer();
    void counterTimer();
    // The game stops before its end, its station cut off from the others: the
    // turn closes, nothing more is played here and the log keeps it as unfinished.
    void abandon();

private:
    void showNames(const QStringList& members);
    void showStartingScores();
    void showTimeLimit();
    void showTurnCaption();
    void openTurn();
    void endTurn(int col, int row);
    void placeLegal(int col, int row);
    void setUpBoard(int size, bool rotation);
    void capture(int victim);
    void showGain();
    void showScore(int seat);
    QString scoreText(int score) const;
    bool countMode() const { return scoring() == Scoring::Count; }
    void stopCountdown();
    void showCountdown();

    GameView& view_;
    Station& station_;
    Position position_;
    int lastCol_ = -1;
    int lastRow_ = -1;
    int timeLimit_ = NoLimit;
    int timeLeft_ = NoLimit;
    bool myTurn_ = false;
    std::array<QString, 5> names_; // indexed 1..4 by seat
    GameLog* log_ = nullptr;
};

} // namespace rules
