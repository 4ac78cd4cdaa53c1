#include "sounds/filter.h"

#include <cmath>
#include <numbers>

StateVariableFilter::StateVariableFilter(int sampleRate, double q)
    : sampleRate_(sampleRate), damping_(1.0 / q) {}

// The trapezoidal form of the state-variable filter: it stays stable however fast the cut-off
// moves. Its pre-warped gain tan(w) is worked out from sin alone.
StateVariableFilter::Outputs StateVariableFilter::Process(double in, double cutoffHz) {
    const double s = std::sin(std::numbers::pi * cutoffHz / sampleRate_);
    const double g = s / std::sqrt(1.0 - s * s);
    const double a1 = 1.0 / (1.0 + g * (g + damping_));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = in - state2_;
    const double band = a1 * state1_ + a2 * v3;
    const double low = state2_ + a2 * state1_ + a3 * v3;
    state1_ = 2.0 * band - state1_;
    state2_ = 2.0 * low - state2_;
    return {low, damping_ * band, in - damping_ * band - low};
}
