#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::size_t frameCount(double seconds)
{
    return std::size_t(std::lround(seconds * waveRate));
}

double timeOf(std::size_t frame)
{
    return double(frame) / waveRate;
}

double Noise::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / double(UINT32_MAX) * 2.0 - 1.0;
}

double Filter::process(double input, double frequency)
{
    const double w = 2 * std::numbers::pi * std::min(frequency, waveRate * 0.45) / waveRate;
    const double alpha = std::sin(w) / (2 * q_);
    const double cosw = std::cos(w);
    double b0, b1, b2;
    if (kind_ == Kind::LowPass) {
        b0 = (1 - cosw) / 2;
        b1 = 1 - cosw;
        b2 = b0;
    } else {
        b0 = alpha;
        b1 = 0;
        b2 = -alpha;
    }
    const double a0 = 1 + alpha;
    const double output = (b0 * input + b1 * x1_ + b2 * x2_ + 2 * cosw * y1_ - (1 - alpha) * y2_) / a0;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

void addPartial(Samples& into, double frequency, double amplitude, double decaySeconds, double startSeconds)
{
    constexpr double attack = 0.0015; // a sine switched on at full strength would click
    for (std::size_t i = frameCount(startSeconds); i < into.size(); ++i) {
        const double t = timeOf(i) - startSeconds;
        const double envelope = std::min(1.0, t / attack) * std::exp(-t / decaySeconds);
        into[i] += amplitude * envelope * std::sin(2 * std::numbers::pi * frequency * t);
    }
}

void fadeEnds(Samples& samples, double inSeconds, double outSeconds)
{
    const std::size_t in = std::min(frameCount(inSeconds), samples.size());
    const std::size_t out = std::min(frameCount(outSeconds), samples.size());
    for (std::size_t i = 0; i < in; ++i)
        samples[i] *= double(i) / double(in);
    for (std::size_t i = 0; i < out; ++i)
        samples[samples.size() - 1 - i] *= double(i) / double(out);
}

void normalise(Samples& samples, double peak)
{
    double loudest = 0;
    for (double sample : samples)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest > 0)
        for (double& sample : samples)
            sample *= peak / loudest;
}
