#pragma once
#include "files.h"

#include <cstdint>
#include <vector>

// Small building blocks for the synthesised sound effects.
using Samples = std::vector<double>;

std::size_t frameCount(double seconds);
double timeOf(std::size_t frame);

// Deterministic white noise in -1..1, so remaking the files gives the same bytes.
class Noise {
public:
    double next();

private:
    std::uint32_t state_ = 0x2545F491u;
};

// A second-order filter (the usual audio cookbook forms); frequency may change per sample.
class Filter {
public:
    enum class Kind { LowPass, BandPass };
    Filter(Kind kind, double q) : kind_(kind), q_(q) {}
    double process(double input, double frequency);

private:
    Kind kind_;
    double q_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A decaying sine partial starting at frame 0.
void addPartial(Samples& into, double frequency, double amplitude, double decaySeconds, double startSeconds = 0);
// Straight ramps at both ends so no sound starts or stops with a click.
void fadeEnds(Samples& samples, double inSeconds, double outSeconds);
// Scales so the loudest sample reaches peak.
void normalise(Samples& samples, double peak);
