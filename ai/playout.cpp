#include "ai/playout.h"
#include <algorithm>

namespace ai {

namespace {

constexpr int CornerValue = 40;       // a corner's face can never be taken back
constexpr int NearCornerValue = -12;  // beside an empty corner: it offers that corner to the next seats
constexpr int EdgeValue = 3;          // an edge face can be taken only along the edge
constexpr int Samples = 3;            // legal cells drawn per turn, of which the most promising is played
constexpr float PointsWeight = 0.15f; // of the points share in what an end is worth

constexpr int LargestUniformBoard = 8;

// Under the points rule a large capture is banked for good, and playouts that favour it and
// the corners judge a position better. Under the count rule a face taken now is mostly taken
// back before the end: on a small board, whose corners come early, playouts of uniformly
// random cells judged better (against the yardstick, at the same budget); on 13 × 13 the
// preference for corners and edges still did.
int samplesOf(const rules::Position& position)
{
    const bool uniform = position.scoring() == rules::Scoring::Count && position.size() <= LargestUniformBoard;
    return uniform ? 1 : Samples;
}

// Distance to the nearer edge along one axis.
int fromEdge(int at, int last)
{
    return std::min(at, last - at);
}

int placeValue(const rules::Board& board, int index)
{
    const int col = rules::Board::colOf(index);
    const int row = rules::Board::rowOf(index);
    const int last = board.size() - 1;
    const int dc = fromEdge(col, last);
    const int dr = fromEdge(row, last);
    if (dc == 0 && dr == 0)
        return CornerValue;
    if (dc <= 1 && dr <= 1) {
        const int cornerCol = col <= 1 ? 0 : last;
        const int cornerRow = row <= 1 ? 0 : last;
        if (board[cornerCol][cornerRow] == rules::Empty)
            return NearCornerValue;
    }
    return dc == 0 || dr == 0 ? EdgeValue : 0;
}

constexpr int NoCell = -1;

// The most promising of a few legal cells drawn at random: a strong cell is played often, a
// weak one still sometimes, so the playouts stay varied. NoCell when the seat must pass.
int hurriedChoice(const rules::Position& position, LegalDraw& draws, std::mt19937& rng)
{
    std::array<int, Samples> drawn;
    const int found = draws.draw(position.board(), position.toMove(), rng, std::span(drawn).first(samplesOf(position)));
    if (found == 0)
        return NoCell;
    int best = drawn[0];
    int bestPromise = promise(position, best);
    for (int i = 1; i < found; ++i)
        if (const int p = promise(position, drawn[i]); p > bestPromise) {
            best = drawn[i];
            bestPromise = p;
        }
    return best;
}

} // namespace

Shares winShares(const rules::Position& position)
{
    const auto& scores = position.scores();
    const int top = *std::max_element(scores.begin() + 1, scores.end());
    const float first = static_cast<float>(std::count(scores.begin() + 1, scores.end(), top));
    Shares shares{};
    for (int seat = 1; seat <= rules::Seats; ++seat)
        shares[seat] = scores[seat] == top ? 1 / first : 0;
    return shares;
}

// Under the count rule a face taken now is mostly taken back before the end, so there only
// where a face lies counts; under the points rule a large capture is banked for good.
int promise(const rules::Position& position, int index)
{
    const int place = placeValue(position.board(), index);
    return position.scoring() == rules::Scoring::Count ? place : position.gainOf(index) + place;
}

void playToEnd(rules::Position& position, std::mt19937& rng, LegalDraw& draws)
{
    draws.start(position.board());
    while (!position.over()) {
        const int chosen = hurriedChoice(position, draws, rng);
        if (chosen == NoCell)
            position.pass();
        else
            position.place(chosen);
    }
}

Shares pointShares(const rules::Position& end)
{
    const auto& scores = end.scores();
    const float total = static_cast<float>(std::max(1, scores[1] + scores[2] + scores[3] + scores[4]));
    Shares shares{};
    for (int seat = 1; seat <= rules::Seats; ++seat)
        shares[seat] = static_cast<float>(scores[seat]) / total;
    return shares;
}

Shares worth(const rules::Position& end)
{
    Shares shares = winShares(end);
    const Shares points = pointShares(end);
    for (int seat = 1; seat <= rules::Seats; ++seat)
        shares[seat] = (1 - PointsWeight) * shares[seat] + PointsWeight * points[seat];
    return shares;
}

} // namespace ai
