#include "sounds/strike.h"

#include "sounds/envelope.h"

#include <cmath>
#include <numbers>

namespace {

// Long enough to take the click off the strike, short enough to keep it sharp.
constexpr double kAttack = 0.0008;

} // namespace

void AddStrike(std::vector<double>& samples, int sampleRate, double start, double baseHz,
               double loudness, std::span<const Partial> partials) {
    const std::size_t first = static_cast<std::size_t>(std::lround(start * sampleRate));
    for (std::size_t i = first; i < samples.size(); ++i) {
        const double t = static_cast<double>(i - first) / sampleRate;
        double sum = 0.0;
        for (const Partial& partial : partials) {
            const double phase = 2.0 * std::numbers::pi * baseHz * partial.ratio * t;
            sum += partial.amplitude * Strike(t, kAttack, partial.decay) * std::sin(phase);
        }
        samples[i] += loudness * sum;
    }
}
