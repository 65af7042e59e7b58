#include "rules/board.h"
#include <algorithm>

namespace rules {

namespace {

// Starting pieces round the centre, one string per row from the top, one character per
// column from the left; '.' is empty, digits are cell codes. The even picture starts at
// offset -2 from the centre, the odd one at -3.
constexpr const char* EvenLayout[] = {
    ".43.",
    "4563",
    "2781",
    ".21.",
};
constexpr const char* OddLayout[] = {
    "...3...", "...3...", "..352..", "446.822", "..471..", "...1...", "...1...",
};

// Even boards turn the 2 × 2 block round the centre corner, odd boards the four cells beside
// the centre cell.
constexpr JewelCell EvenCells[] = {{-1, -1, 1}, {0, -1, 2}, {-1, 0, 3}, {0, 0, 4}};
constexpr JewelCell OddCells[] = {{0, -1, 5}, {-1, 0, 6}, {0, 1, 7}, {1, 0, 8}};

// Code of the jewel that lands on a cell holding jewel code 5..8, per parity; the jewels
// always stand in the same cyclic order, so each cell receives its predecessor's jewel.
constexpr int EvenArrival[] = {0, 0, 0, 0, 0, 7, 5, 8, 6};
constexpr int OddArrival[] = {0, 0, 0, 0, 0, 6, 7, 8, 5};

} // namespace

void Board::reset(int size)
{
    size_ = size;
    cells_.fill(Wall);
    for (int col = 0; col < size; ++col)
        std::fill_n(&cells_[indexOf(col, 0)], size, Empty);
}

void Board::layOut()
{
    const bool odd = size_ % 2 == 1;
    using Rows = std::span<const char* const>;
    const Rows rows = odd ? Rows(OddLayout) : Rows(EvenLayout);
    const int first = odd ? -3 : -2;
    const int center = size_ / 2;
    int dr = first;
    for (const char* line : rows) {
        for (int dc = first; *line; ++dc, ++line)
            if (*line != '.')
                (*this)[center + dc][center + dr] = static_cast<Code>(*line - '0');
        ++dr;
    }
}

std::vector<int> Board::legalIndices(int seat) const
{
    std::vector<int> legal;
    legalIndices(seat, legal);
    return legal;
}

void Board::legalIndices(int seat, std::vector<int>& legal) const
{
    legal.clear();
    for (int col = 0; col < size_; ++col)
        for (int at = indexOf(col, 0), end = at + size_; at < end; ++at)
            if (canPlace(at, seat))
                legal.push_back(at);
}

int Board::captures(int index, int seat) const
{
    int taken = 0;
    for (const Direction& d : Directions) {
        const int step = stepOf(d);
        if (closes(index, step, seat))
            for (int at = index + step; isFace(cells_[at]) && cells_[at] != seat; at += step)
                ++taken;
    }
    return taken;
}

bool Board::hasEmpty() const
{
    for (int col = 0; col < size_; ++col)
        for (int at = indexOf(col, 0), end = at + size_; at < end; ++at)
            if (cells_[at] == Empty)
                return true;
    return false;
}

std::span<const JewelCell> Board::jewelCells() const
{
    using Cells = std::span<const JewelCell>;
    return size_ % 2 == 1 ? Cells(OddCells) : Cells(EvenCells);
}

void Board::turnJewel(int col, int row)
{
    Code& code = (*this)[col][row];
    if (isJewel(code))
        code = static_cast<Code>(size_ % 2 == 1 ? OddArrival[code] : EvenArrival[code]);
}

} // namespace rules
