#include "sounds/cues.h"

#include "sounds/envelope.h"
#include "sounds/filter.h"
#include "sounds/noise.h"
#include "sounds/strike.h"

#include <cmath>
#include <numbers>

namespace {

// The bending modes of a free steel bar, which is what a loose rail is.
constexpr Partial kRail[] = {
    {1.0, 1.0, 0.35},
    {2.756, 0.8, 0.22},
    {5.404, 0.5, 0.12},
    {8.933, 0.3, 0.07},
};

constexpr double kBaseHz = 380.0;
constexpr double kBounce = 0.09; // seconds until the rail settles with a second, smaller clank

} // namespace

// The rail hits the ground with a dull thud and rings, then bounces once as it settles.
std::vector<double> MakeRail() {
    std::vector<double> samples(static_cast<std::size_t>(0.65 * kCueRate));
    AddStrike(samples, kCueRate, 0.0, kBaseHz, 1.0, kRail);
    AddStrike(samples, kCueRate, kBounce, kBaseHz * 1.07, 0.45, kRail);
    Noise noise(0x4A11u);
    StateVariableFilter thud(kCueRate, 0.9);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kCueRate;
        const double impact = Strike(t, 0.001, 0.03) + 0.5 * Strike(t - kBounce, 0.001, 0.02);
        const double body =
            0.8 * std::sin(2.0 * std::numbers::pi * 95.0 * t) * Strike(t, 0.002, 0.05);
        samples[i] += impact * thud.Process(noise.Next(), 600.0).low + body;
    }
    return samples;
}
