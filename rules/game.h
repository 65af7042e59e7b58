#pragma once
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/gamelog.h"
#include "rules/gameview.h"
#include "rules/scoring.h"
#include "rules/station.h"
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace rules {

// The lobby's game settings as a new game reads them.
struct Settings {
    int boardSize = DefaultBoardSize; // MinBoardSize..MaxBoardSize
    Scoring scoring = Scoring::Points;
    int timeLimit = NoLimit; // MinTimeLimit..NoLimit, NoLimit meaning none
};

// One game on one station: its state, and the operations that every station applies in the
// same order so that the four copies stay identical. The screen, the sounds, the pauses and
// the station's own controls are reached only through GameView and Station.
class Game {
public:
    Game(GameView& view, Station& station) : view_(view), station_(station) {}

    // --- state ---
    Board board; // board[column][row] is a cell code
    int boardSize = 0;
    int centerCol = 0;
    int centerRow = 0;
    int curPlayer = 1;
    std::array<int, 5> scores{}; // indexed 1..4 by seat
    int passCount = 0;
    int lastCol = -1;
    int lastRow = -1;
    int hoverCol = 0;
    int hoverRow = 0;
    bool countMode = false; // the count rule is in play
    int moveCount = 0;
    int moveTotal = 0;
    int timeLimit = NoLimit;
    int timeLeft = NoLimit;
    bool repaintAll = false;
    bool jewelTouched = false;
    // Station flags kept beside the game: myTurn is set while the local turn runs; skipEcho
    // tells a guest that the next move to arrive is its own coming back.
    bool myTurn = false;
    bool skipEcho = false;
    bool gameOver = false; // from endgame until the next Reset
    std::array<QString, 5> names; // indexed 1..4 by seat: what the name labels show

    Scoring scoring() const { return countMode ? Scoring::Count : Scoring::Points; }
    // Who keeps the games: told of each start, move and end from then on; none by default.
    void setLog(GameLog* log) { log_ = log; }
    bool onBoard(int col, int row) const { return col >= 0 && row >= 0 && col < boardSize && row < boardSize; }

    // --- new game ---
    // Throws Failure ("リストのインデックスが範囲を超えています (i)") with fewer than four names;
    // the scoring rule has been taken by then, everything else of the previous game stays.
    void Reset(const Settings& settings, const QStringList& members);
    void addscore(int seat, int amount);
    bool existSpace() const;

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
    void TableSelectCell(int col, int row);
    void BtnPassClick();
    void nextplayer();
    void endgame();
    void BeginLocalTurn();
    // The host's first turn of a game opens without automatic play, and says whose it is.
    void openFirstTurn();
    void tekitoo();
    // Both ignore a tick unless myTurn is set: a stale time-out never passes for the next seat.
    void TimerTimer();
    void counterTimer();

private:
    void showNames(const QStringList& members);
    void showStartingScores();
    void showTimeLimit();
    void showTurnCaption();
    void openTurn();
    void setUpBoard(int size);
    void capture(int col, int row);
    void showGain();
    void stopCountdown();
    void showCountdown();

    GameView& view_;
    Station& station_;
    GameLog* log_ = nullptr;
};

} // namespace rules
