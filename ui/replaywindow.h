#pragma once
#include "record/recordtext.h"
#include "record/replay.h"
#include "ui/boardpictures.h"
#include <QTimer>
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace ui {

class BoardGrid;

// A recorded game shown move by move on the board the game is played on: to the start, back,
// forward, to the end, played on at a chosen pace, or at any move chosen from the list. The
// scores, and the result once the end is shown, follow the position shown.
class ReplayWindow : public QWidget {
    Q_OBJECT
public:
    // reading holds a game.
    ReplayWindow(const record::Reading& reading, const BoardImages& images, const BoardImages& larger,
                 QWidget* parent = nullptr);

    int shownMove() const { return shown_; }
    int lastMove() const { return replay_.moves(); }
    // played is clamped to the moves that replay.
    void showMove(int played);
    bool playing() const { return player_.isActive(); }
    void setPlaying(bool on);

    BoardGrid* board() const { return board_; }
    QLabel* result() const { return result_; }
    QListWidget* moveList() const { return moveList_; }
    QLabel* problem() const { return problem_; }

private:
    void createControls(const QString& readingProblem);
    QWidget* createButtons();
    void fillMoveList();
    void drawBoard();
    void showScores();
    void step();

    record::Replay replay_;
    BoardImages images_; // a copy shares the pictures; the caller's may go first
    int shown_ = -1;
    QTimer player_;
    BoardGrid* board_ = nullptr;
    std::array<QLabel*, 4> scores_{};
    QLabel* result_ = nullptr;
    QLabel* problem_ = nullptr;
    QListWidget* moveList_ = nullptr;
    QPushButton* play_ = nullptr;
    QComboBox* pace_ = nullptr;
};

} // namespace ui
