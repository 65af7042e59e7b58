#include "rules/game.h"

namespace rules {

namespace {

constexpr int Frames = 5;
constexpr int FramePause = 20;

// The way each of the direction codes 1..8 travels; five frames make one cell.
constexpr Direction Toward[] = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}, {1, 1}, {1, -1}, {-1, -1}, {-1, 1}};

// Cells that the diagonal paths of the odd board's jewels cross, in redraw order.
constexpr int CrossedCells[][2] = {{0, 0}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};

} // namespace

void Game::do_rotation()
{
    view_.play(Sound::Rotate);
    for (int frame = 1; frame <= Frames; ++frame) {
        view_.pause(FramePause);
        for (const JewelCell& cell : board().jewelCells())
            one_rotate(frame, centerCol() + cell.dc, centerRow() + cell.dr, cell.direction);
    }
}

// (col, row) is one of the four jewel cells; direction is its code 1..8.
void Game::one_rotate(int frame, int col, int row, int direction)
{
    const bool odd = boardSize() % 2 == 1;
    view_.Del(col, row);
    if (odd)
        for (const auto& offset : CrossedCells) {
            const int c = centerCol() + offset[0];
            const int r = centerRow() + offset[1];
            view_.Del(c, r);
            if (board()[c][r] != Empty)
                view_.Put(c, r, board()[c][r]);
        }
    const int code = board()[col][row];
    view_.PutOnTheWay(col, row, Toward[direction], frame, Frames, code);
    if (frame < Frames)
        return;
    position_.turnJewel(col, row);
    view_.repaintBoard();
}

} // namespace rules
