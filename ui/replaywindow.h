#pragma once
#include "ai/gameanalysis.h"
#include "record/recordtext.h"
#include "record/replay.h"
#include "ui/boardpictures.h"
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace ui {

class BoardGrid;
class ChanceGraph;

// A recorded game shown move by move on the board the game is played on: to the start, back,
// forward (also by the arrow keys), to the end, played on at a chosen pace, or at any move chosen
// from the list. The scores, and the result once the end is shown, follow the position shown.
// Analysed, it draws each seat's chance over the game under the board, marks the mistakes in
// the list and shows at a mistake the cell the search preferred.
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

    // Judges every position on worker threads, `effort` playouts each (the board's usual for 0); the graph, the marks and
    // the preferred cells appear when all are judged. Nothing while an analysis runs or is shown.
    void startAnalysis(int effort = 0);
    // Stops a running analysis and waits for its threads.
    void cancelAnalysis();
    bool analysing() const { return analysis_ != nullptr; }
    // One a move that replays, once the analysis is done; none before.
    const std::vector<ai::MoveReview>& reviews() const { return reviews_; }

    BoardGrid* board() const { return board_; }
    QLabel* result() const { return result_; }
    QListWidget* moveList() const { return moveList_; }
    QLabel* problem() const { return problem_; }
    ChanceGraph* graph() const { return graph_; }
    QLabel* verdict() const { return verdict_; }
    QPushButton* analyzeButton() const { return analyze_; }
    QProgressBar* progress() const { return progress_; }

private:
    void createControls(const QString& readingProblem);
    QWidget* createButtons();
    void createAnalysisControls(QLayout* row);
    void createArrowKeys();
    void fillMoveList();
    QString moveText(int move) const;
    void drawBoard();
    void showScores();
    void showVerdict();
    void step();
    void followAnalysis();
    void showAnalysis();
    void endAnalysis();

    record::Replay replay_;
    // Copies share the pictures; the caller's may go first.
    BoardImages images_;
    BoardImages larger_;
    int shown_ = -1;
    QTimer player_;
    BoardGrid* board_ = nullptr;
    std::array<QLabel*, 4> scores_{};
    QLabel* result_ = nullptr;
    QLabel* problem_ = nullptr;
    QListWidget* moveList_ = nullptr;
    QPushButton* play_ = nullptr;
    QComboBox* pace_ = nullptr;
    std::unique_ptr<ai::GameAnalysis> analysis_; // while it runs
    QTimer analysisWatch_;
    std::vector<ai::MoveReview> reviews_;
    ChanceGraph* graph_ = nullptr;
    QLabel* verdict_ = nullptr;
    QPushButton* analyze_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

} // namespace ui
