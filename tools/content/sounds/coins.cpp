#include "sounds/cues.h"

#include "sounds/envelope.h"
#include "sounds/filter.h"
#include "sounds/noise.h"
#include "sounds/strike.h"

#include <array>

namespace {

// The modes of a thin metal disc: bright, closely spaced and out of tune with one another.
constexpr Partial kCoin[] = {
    {1.0, 1.0, 0.3}, {1.72, 0.7, 0.22}, {2.34, 0.55, 0.16}, {3.94, 0.35, 0.1}, {5.4, 0.2, 0.06},
};

struct Clink {
    double start; // seconds
    double baseHz;
    double loudness;
};

constexpr std::array<Clink, 3> kClinks{
    {{0.0, 2200.0, 1.0}, {0.085, 2750.0, 0.75}, {0.17, 2450.0, 0.85}}};

} // namespace

// Three coins landing one after the other, each with a tick of contact noise.
std::vector<double> MakeCoins() {
    std::vector<double> samples(static_cast<std::size_t>(0.55 * kCueRate));
    for (const Clink& clink : kClinks) {
        AddStrike(samples, kCueRate, clink.start, clink.baseHz, clink.loudness, kCoin);
    }
    Noise noise(0xC01Du);
    StateVariableFilter tick(kCueRate, 0.7);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kCueRate;
        double contact = 0.0;
        for (const Clink& clink : kClinks) {
            contact += clink.loudness * Strike(t - clink.start, 0.0005, 0.003);
        }
        samples[i] += 0.8 * contact * tick.Process(noise.Next(), 5000.0).high;
    }
    return samples;
}
