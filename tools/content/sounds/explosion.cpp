#include "sounds/cues.h"

#include "sounds/envelope.h"
#include "sounds/filter.h"
#include "sounds/noise.h"

#include <cmath>
#include <numbers>

// A burst of noise whose top end closes down fast into a rumble, over a thump whose pitch
// drops like a kick drum's. The mix is driven into a soft saturation, which roughens it the way
// a blast overloads the air and tames the peaks of the noise.
std::vector<double> MakeExplosion() {
    std::vector<double> samples(static_cast<std::size_t>(0.95 * kCueRate));
    Noise noise(0xB00Au);
    StateVariableFilter rumble(kCueRate, 0.8);
    double thumpPhase = 0.0; // in cycles
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kCueRate;
        const double rumbleHz = 180.0 + 2600.0 * std::exp(-t / 0.08);
        const double burst = rumble.Process(noise.Next(), rumbleHz).low * Held(t, 0.08, 0.003, 0.8);
        thumpPhase += (38.0 + 75.0 * std::exp(-t / 0.08)) / kCueRate;
        const double thump = std::sin(2.0 * std::numbers::pi * thumpPhase) * Strike(t, 0.002, 0.12);
        const double blast = burst + 0.9 * thump;
        samples[i] = blast / std::sqrt(1.0 + blast * blast);
    }
    return samples;
}
