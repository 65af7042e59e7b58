#include "sounds.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double tau = 2 * std::numbers::pi;

// A small bell: a strong fundamental and quickly fading inharmonic partials.
void addBell(Samples& into, double frequency, double startSeconds, double gain)
{
    addPartial(into, frequency, gain, 0.45, startSeconds);
    addPartial(into, frequency * 2.0, gain * 0.22, 0.28, startSeconds);
    addPartial(into, frequency * 2.76, gain * 0.16, 0.12, startSeconds);
    addPartial(into, frequency * 5.4, gain * 0.06, 0.05, startSeconds);
}

// Noise through a band-pass filter, fading with the given time constant.
void addNoiseBurst(Samples& into, double centre, double q, double decaySeconds, double gain)
{
    Noise noise;
    Filter filter(Filter::Kind::BandPass, q);
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] += gain * std::exp(-timeOf(i) / decaySeconds) * filter.process(noise.next(), centre);
}

// A band-limited square wave with softened upper harmonics: a buzzer's tone.
double buzzerTone(double frequency, double t)
{
    double value = 0;
    for (int k = 1; k * frequency < 6000; k += 2)
        value += std::sin(tau * k * frequency * t) / std::pow(k, 1.3);
    return value;
}

} // namespace

Samples chimeSound()
{
    Samples samples(frameCount(0.95));
    addBell(samples, 1318.5, 0.0, 1.0);  // E6
    addBell(samples, 1046.5, 0.16, 1.0); // C6
    fadeEnds(samples, 0.002, 0.12);
    normalise(samples, 0.6);
    return samples;
}

Samples placeSound()
{
    Samples samples(frameCount(0.14));
    addNoiseBurst(samples, 3200, 1.4, 0.004, 1.6);
    addPartial(samples, 940, 0.55, 0.022);
    addPartial(samples, 1720, 0.35, 0.014);
    addPartial(samples, 2630, 0.2, 0.008);
    addPartial(samples, 170, 0.45, 0.03);
    fadeEnds(samples, 0.0005, 0.03);
    normalise(samples, 0.8);
    return samples;
}

Samples buzzSound()
{
    constexpr double pulse = 0.13;
    constexpr double gap = 0.05;
    Samples samples(frameCount(2 * pulse + gap));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = timeOf(i);
        const double inPulse = t < pulse ? t : t - pulse - gap;
        if (inPulse < 0 || inPulse > pulse)
            continue;
        const double envelope = std::min({1.0, inPulse / 0.006, (pulse - inPulse) / 0.02});
        samples[i] = envelope * (buzzerTone(150, t) + 0.8 * buzzerTone(157, t));
    }
    Filter soften(Filter::Kind::LowPass, 0.7);
    for (double& sample : samples)
        sample = soften.process(sample, 2200);
    fadeEnds(samples, 0.002, 0.01);
    normalise(samples, 0.4);
    return samples;
}

Samples flipSound()
{
    Samples samples(frameCount(0.07));
    double phase = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = timeOf(i);
        phase += tau * (1500 + 1300 * std::min(1.0, t / 0.025)) / waveRate; // a quick upward chirp
        samples[i] = 0.7 * std::exp(-t / 0.012) * std::sin(phase);
    }
    addNoiseBurst(samples, 4500, 1.2, 0.002, 1.2);
    fadeEnds(samples, 0.0005, 0.012);
    normalise(samples, 0.6);
    return samples;
}

Samples rotateSound()
{
    constexpr double length = 0.6;
    Samples samples(frameCount(length));
    Noise noise;
    Filter sweep(Filter::Kind::BandPass, 3.0);
    Filter narrow(Filter::Kind::BandPass, 3.0); // two in a row make the rising band stand out
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double progress = timeOf(i) / length;
        const double centre = 300 * std::pow(5000.0 / 300, progress);
        const double band = narrow.process(sweep.process(noise.next(), centre), centre);
        samples[i] = 3.0 * std::sin(std::numbers::pi * std::sqrt(progress)) * band;
    }
    const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0}; // C6 E6 G6 C7
    for (int n = 0; n < 4; ++n)
        addPartial(samples, notes[n], 0.3, 0.16, 0.08 * n);
    fadeEnds(samples, 0.01, 0.08);
    normalise(samples, 0.55);
    return samples;
}
