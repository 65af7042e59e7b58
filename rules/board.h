#pragma once
#include "rules/cell.h"
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace rules {

using Code = std::int8_t;

struct Direction {
    int dc; // column step
    int dr; // row step
};

// Clockwise from up-left: every station tries and captures lines in this one order.
inline constexpr Direction Directions[] = {
    {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0},
};

struct JewelCell {
    int dc; // offset from the centre
    int dr;
    int direction; // 1..8: the way it travels on the screen
};

// One column of a board, so that board[col][row] reads and writes a cell.
template <class T>
class ColumnOf {
public:
    ColumnOf(T* cells, int size) : cells_(cells), size_(size) {}
    T& operator[](int row) const { return cells_[row]; }
    T* begin() const { return cells_; }
    T* end() const { return cells_ + size_; }

private:
    T* cells_;
    int size_;
};

// Where a placement may go, and the lines it captures. The cells lie in one flat array,
// column by column, inside a border of Wall cells wide enough for any board size, so that a
// walk along a line stops at the first cell that is not another seat's face without ever
// testing the edge.
class Board {
public:
    static constexpr int Stride = MaxBoardSize + 2;
    static constexpr Code Wall = -1;
    static constexpr int stepOf(Direction d) { return d.dc * Stride + d.dr; }

    Board() { reset(0); }

    // An empty board of size × size cells.
    void reset(int size);
    // The starting jewels and faces round the centre of an empty board.
    void layOut();

    int size() const { return size_; }
    bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < size_ && row < size_; }
    static int indexOf(int col, int row) { return (col + 1) * Stride + row + 1; }
    static int colOf(int index) { return index / Stride - 1; }
    static int rowOf(int index) { return index % Stride - 1; }

    ColumnOf<Code> operator[](int col) { return {&cells_[indexOf(col, 0)], size_}; }
    ColumnOf<const Code> operator[](int col) const { return {&cells_[indexOf(col, 0)], size_}; }
    Code at(int index) const { return cells_[index]; }
    Code& at(int index) { return cells_[index]; }
    bool operator==(const Board&) const = default;

    // The line from index one step on would be captured by seat: one or more faces of other
    // seats closed by seat's own face or jewel. The cell at index itself is not read.
    bool closes(int index, int step, int seat) const
    {
        Code v = cells_[index + step];
        if (!isFace(v) || v == seat)
            return false;
        for (int at = index + 2 * step;; at += step) {
            v = cells_[at];
            if (v == seat || v == jewelOf(seat))
                return true;
            if (!isFace(v))
                return false;
        }
    }
    bool canPlace(int index, int seat) const
    {
        if (cells_[index] != Empty)
            return false;
        for (const Direction& d : Directions)
            if (closes(index, stepOf(d), seat))
                return true;
        return false;
    }
    // Faces that a placement of seat at index would take, in all eight lines.
    int captures(int index, int seat) const;
    // Indices where seat may place, column by column.
    std::vector<int> legalIndices(int seat) const;
    // The same into a vector that a caller keeps, so that a loop of many turns allocates once.
    void legalIndices(int seat, std::vector<int>& legal) const;
    bool hasEmpty() const;

    // Walks a line that closes(index, step, seat) accepts, calling capture(at) on each face
    // to be taken, in order from the placed cell outwards; capture turns the face over.
    // Answers whether the line was closed by seat's own jewel.
    template <class Capture>
    bool captureLine(int index, int step, int seat, Capture&& capture)
    {
        int at = index + step;
        for (; isFace(cells_[at]) && cells_[at] != seat; at += step)
            capture(at);
        return isJewel(cells_[at]);
    }

    // The four jewel cells of this board's parity, in the order a rotation moves them.
    std::span<const JewelCell> jewelCells() const;
    // The last frame of a rotation at one jewel cell: it receives the jewel of the cell
    // before it. A cell that holds no jewel keeps its code.
    void turnJewel(int col, int row);

private:
    std::array<Code, Stride * Stride> cells_;
    int size_ = 0;
};

} // namespace rules
