#include "sounds/envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// 0 at x <= 0, 1 at x >= 1, a smooth half cosine between.
double RaisedCosine(double x) {
    const double clamped = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * clamped);
}

} // namespace

double Strike(double t, double attack, double decay) {
    if (t < 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return RaisedCosine(t / attack);
    }
    return std::exp(-(t - attack) / decay);
}

double Held(double t, double length, double attack, double release) {
    if (t < 0.0 || t >= length + release) {
        return 0.0;
    }
    const double rise = RaisedCosine(t / attack);
    return t < length ? rise : rise * (1.0 - RaisedCosine((t - length) / release));
}

void FadeEnds(std::vector<double>& samples, int sampleRate, double fadeIn, double fadeOut) {
    const double last = static_cast<double>(samples.size()) - 1.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double fromStart = static_cast<double>(i) / sampleRate;
        const double toEnd = (last - static_cast<double>(i)) / sampleRate;
        samples[i] *= RaisedCosine(fromStart / fadeIn) * RaisedCosine(toEnd / fadeOut);
    }
}
