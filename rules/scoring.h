#pragma once

namespace rules {

// The two scoring rules. The values are the lobby's item indexes and what the start message
// carries, so a peer's "0" or "1" reads as the rule it names.
enum class Scoring { Points = 0, Count = 1 };

// In the count rule every seat starts with its two pieces on the board.
constexpr int startingScore(Scoring scoring)
{
    return scoring == Scoring::Count ? 2 : 0;
}

// What a placement that takes `taken` faces scores: one per piece gained, or 1 + 2 + … + taken.
constexpr int gainFor(Scoring scoring, int taken)
{
    return scoring == Scoring::Count ? taken + 1 : taken * (taken + 1) / 2;
}

} // namespace rules
