#pragma once
#include "rules/outcome.h"

namespace rules {

// How long a station takes to show a move over time: each face placed or taken, then the
// jewels' turn in frames. The host paces a catch-up by it, so a station that shows a move before
// it reads again has shown each caught-up move before the next arrives.
constexpr int FacePauseMs = 100;
constexpr int FramePauseMs = 20;
constexpr int RotationFrames = 5;

inline int showMs(const Outcome& o)
{
    const int faces = o.isPass() ? 0 : 1 + int(o.taken.size());
    return faces * FacePauseMs + (o.jewelsTurned ? (RotationFrames + 1) * FramePauseMs : 0);
}

} // namespace rules
