#include "sounds/cues.h"

#include "sounds/envelope.h"
#include "sounds/filter.h"
#include "sounds/noise.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kLength = 0.85; // seconds the whistle sounds, release included
constexpr double kRelease = 0.14;
constexpr double kBaseHz = 294.0;                 // the lowest pipe
constexpr double kPipeRatios[] = {1.0, 1.2, 1.5}; // a minor chord, the classic chime
constexpr int kHarmonics = 6;

// Semitones off pitch at time t: flat while the steam pressure builds, then a small droop as
// the valve closes.
double PitchBend(double t) {
    const double rise = -1.2 * std::exp(-t / 0.06);
    const double droopStart = kLength - kRelease - 0.05;
    const double droop = t > droopStart ? -0.5 * (t - droopStart) / (kLength - droopStart) : 0.0;
    return rise + droop;
}

} // namespace

std::vector<double> MakeToot() {
    std::vector<double> samples(static_cast<std::size_t>(kLength * kCueRate));
    Noise noise(0x7007u);
    StateVariableFilter breath(kCueRate, 1.2);
    double phase = 0.0; // of the lowest pipe's fundamental, in cycles
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kCueRate;
        phase += kBaseHz * std::pow(2.0, PitchBend(t) / 12.0) / kCueRate;
        double tone = 0.0;
        for (double ratio : kPipeRatios) {
            double amplitude = 1.0;
            for (int k = 1; k <= kHarmonics; ++k) {
                tone += amplitude * std::sin(2.0 * std::numbers::pi * k * ratio * phase);
                amplitude *= 0.55;
            }
        }
        const double hiss = 0.25 * breath.Process(noise.Next(), 1600.0).band;
        samples[i] = (tone / 3.0 + hiss) * Held(t, kLength - kRelease, 0.04, kRelease);
    }
    return samples;
}
