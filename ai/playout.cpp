#include "ai/playout.h"
#include <algorithm>

namespace ai {

namespace {

constexpr int CornerValue = 40;       // a corner's face can never be taken back
constexpr int NearCornerValue = -12;  // beside an empty corner: it offers that corner to the next seats
constexpr int EdgeValue = 3;          // an edge face can be taken only along the edge
constexpr int Samples = 3;            // legal cells drawn per turn, of which the most promising is played
constexpr float PointsWeight = 0.15f; // of the points share in what an end is worth

Shares worth(const rules::Position& position)
{
    Shares shares = winShares(position);
    const auto& scores = position.scores();
    const float total = static_cast<float>(std::max(1, scores[1] + scores[2] + scores[3] + scores[4]));
    for (int seat = 1; seat <= rules::Seats; ++seat)
        shares[seat] = (1 - PointsWeight) * shares[seat] + PointsWeight * static_cast<float>(scores[seat]) / total;
    return shares;
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

int drawn(const std::vector<int>& legal, std::mt19937& rng)
{
    return legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
}

// The most promising of a few legal cells drawn at random: a strong cell is played often, a
// weak one still sometimes, so the playouts stay varied.
int hurriedChoice(const rules::Position& position, const std::vector<int>& legal, std::mt19937& rng)
{
    int best = drawn(legal, rng);
    int bestPromise = promise(position, best);
    for (int sample = 1; sample < Samples; ++sample) {
        const int at = drawn(legal, rng);
        const int p = promise(position, at);
        if (p > bestPromise) {
            best = at;
            bestPromise = p;
        }
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

// Under the count rule a face taken now is mostly taken back before the end, and a playout
// that grabs the most faces plays a game unlike a real one; there only where a face lies
// counts. Under the points rule a large capture is banked for good.
int promise(const rules::Position& position, int index)
{
    const int place = placeValue(position.board(), index);
    return position.scoring() == rules::Scoring::Count ? place : position.gainOf(index) + place;
}

Shares playOut(rules::Position position, std::mt19937& rng, std::vector<int>& legal)
{
    while (!position.over()) {
        position.board().legalIndices(position.toMove(), legal);
        if (legal.empty())
            position.pass();
        else
            position.place(hurriedChoice(position, legal, rng));
    }
    return worth(position);
}

} // namespace ai
