#pragma once
#include <QWidget>

namespace ui {

class BoardGrid;

// The letters of the columns above a board and the numbers of its rows at its left, in a strip
// of Margin pixels that the board leaves free when there is room for it. It lies under the
// board and covers the board's rectangle with the strips.
class BoardCoordinates : public QWidget {
    Q_OBJECT
public:
    static constexpr int Margin = 16;

    BoardCoordinates(BoardGrid& board, QWidget* parent);

    // The player's choice; off, the board takes no strip.
    void setWanted(bool on);
    bool wanted() const { return wanted_; }
    // How far the board moves right and down when `room` pixels a side are free for its n cells
    // of at least 25 pixels: a strip where both fit, else nothing, and the board keeps its place.
    int insetFor(int room, int n) const;
    // Takes the board's place at that inset: strips shown where it is above zero.
    void follow(int inset);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardGrid& board_;
    bool wanted_ = true;
};

} // namespace ui
