#pragma once
#include "ai/analysis.h"
#include <QWidget>
#include <vector>

namespace ui {

// Each seat's standing (its expected share of the points) over a whole game, a line a seat in its colour, from the
// start at the left to the end at the right. The move shown is marked by an upright line and
// the mistakes by a notch in the mover's colour; a click or a drag chooses a move.
class ChanceGraph : public QWidget {
    Q_OBJECT
public:
    explicit ChanceGraph(QWidget* parent = nullptr);

    // judgements[k] of the game after k moves; reviews[k] of move k + 1.
    void setAnalysis(const std::vector<ai::Judgement>& judgements, const std::vector<ai::MoveReview>& reviews);
    // The game after `played` moves is shown.
    void setCurrent(int played);
    int current() const { return current_; }
    // The moves played before the position drawn at the widget's column x.
    int movesAt(int x) const;
    // The widget's column of the game after `played` moves.
    int columnOf(int played) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void moveChosen(int played);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRectF plot() const;
    QPointF pointOf(int played, float chance) const;
    void paintGrid(QPainter& painter) const;
    void paintLines(QPainter& painter) const;
    void paintMistakes(QPainter& painter) const;
    void describe();

    std::vector<ai::Shares> chances_; // by position
    std::vector<int> mistakes_;       // the numbers of the moves, from 1
    std::vector<int> movers_;         // of mistakes_
    int current_ = 0;
};

} // namespace ui
