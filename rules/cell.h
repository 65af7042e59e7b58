#pragma once

// Cell codes: 0 empty, 1..4 a face of seat 1..4, 5..8 the jewel of seat 1..4. The code is
// also the index of the picture drawn for the cell (0 doubles as the hover cursor, 9 the
// last-move mark).
namespace rules {

constexpr int Empty = 0;
constexpr int Seats = 4;
constexpr int CursorImage = 0;
constexpr int LastMoveImage = 9;
constexpr int NoLimit = 61; // time limit that means "no limit"
constexpr int MinBoardSize = 6;
constexpr int MaxBoardSize = 26;
constexpr int DefaultBoardSize = 8;
constexpr int MinTimeLimit = 5;

constexpr int jewelOf(int seat)
{
    return seat + 4;
}
constexpr bool isFace(int code)
{
    return code >= 1 && code <= 4;
}
constexpr bool isJewel(int code)
{
    return code >= 5 && code <= 8;
}
constexpr int nextSeat(int seat)
{
    return seat == 4 ? 1 : seat + 1;
}

// A cell named column first; (-1, -1) is a pass.
struct Cell {
    int col = -1;
    int row = -1;
    bool isPass() const { return col < 0; }
    bool operator==(const Cell&) const = default;
};
inline constexpr Cell Pass{};

} // namespace rules
