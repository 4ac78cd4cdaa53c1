#include "sounds/cues.h"

#include "sounds/envelope.h"
#include "sounds/filter.h"
#include "sounds/noise.h"

#include <cmath>

// A puff of low noise as the valve opens, then a hiss whose brightness falls as the pressure
// drops.
std::vector<double> MakeSteam() {
    std::vector<double> samples(static_cast<std::size_t>(0.5 * kCueRate));
    Noise noise(0x5EA3u);
    StateVariableFilter hiss(kCueRate, 0.8);
    StateVariableFilter air(kCueRate, 0.7);
    StateVariableFilter puff(kCueRate, 0.7);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kCueRate;
        const double white = noise.Next();
        const double hissHz = 2600.0 + 3400.0 * std::exp(-t / 0.09);
        const double body =
            hiss.Process(white, hissHz).band + 0.35 * air.Process(white, 7000.0).high;
        samples[i] = body * Held(t, 0.12, 0.008, 0.36) +
                     0.6 * puff.Process(white, 700.0).low * Strike(t, 0.002, 0.025);
    }
    return samples;
}
