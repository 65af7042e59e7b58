#pragma once
#include <string>

// Ratios between two benchmarks of one run, printed after their times. Each benchmark's CPU
// time per iteration is taken, the median when the run has repetitions.
namespace bench {

// Registers "numerator / denominator" (full benchmark names, arguments included) with the
// largest ratio that meets its target; returns a value for use in a static initialiser.
bool addRatio(const std::string& numerator, const std::string& denominator, double target);

} // namespace bench
