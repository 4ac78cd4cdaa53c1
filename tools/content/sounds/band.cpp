#include "sounds/band.h"

#include "sounds/blues_form.h"
#include "sounds/envelope.h"
#include "sounds/filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Seconds(std::size_t samples) {
    return static_cast<double>(samples) / kBluesRate;
}

std::size_t Samples(double seconds) {
    return static_cast<std::size_t>(seconds * kBluesRate);
}

} // namespace

void AddBassNote(LoopBuffer& loop, std::size_t start, std::size_t length, double hz,
                 double velocity) {
    constexpr double kRelease = 0.04;
    constexpr double kHarmonics[] = {1.0, 0.55, 0.3, 0.16, 0.08};
    const double held = Seconds(length);
    for (std::size_t i = 0; i < length + Samples(kRelease); ++i) {
        const double t = Seconds(i);
        double sum = 0.0;
        for (std::size_t k = 0; k < std::size(kHarmonics); ++k) {
            const double dying = std::exp(-t * (1.5 + 5.0 * static_cast<double>(k)));
            sum += kHarmonics[k] * dying * std::sin(kTwoPi * hz * static_cast<double>(k + 1) * t);
        }
        loop.Add(start + i, velocity * Held(t, held, 0.006, kRelease) * sum);
    }
}

void AddOrganChord(LoopBuffer& loop, std::size_t start, std::size_t length,
                   std::span<const double> hz, double velocity) {
    constexpr double kRelease = 0.06;
    // Drawbars at the fundamental, the octave, the twelfth and two octaves up.
    constexpr double kDrawbars[] = {1.0, 0.45, 0.25, 0.12};
    const double held = Seconds(length);
    for (std::size_t i = 0; i < length + Samples(kRelease); ++i) {
        const double t = Seconds(i);
        double sum = 0.0;
        for (double note : hz) {
            for (std::size_t k = 0; k < std::size(kDrawbars); ++k) {
                sum += kDrawbars[k] * std::sin(kTwoPi * note * static_cast<double>(k + 1) * t);
            }
            sum += 0.4 * std::exp(-t / 0.04) * std::sin(kTwoPi * note * 3.0 * t);
        }
        const double tremolo = 1.0 + 0.08 * std::sin(kTwoPi * 5.5 * t);
        loop.Add(start + i, velocity * tremolo * Held(t, held, 0.008, kRelease) * sum /
                                static_cast<double>(hz.size()));
    }
}

void AddHiHat(LoopBuffer& loop, std::size_t start, double velocity, Noise& noise) {
    StateVariableFilter shimmer(kBluesRate, 0.7);
    for (std::size_t i = 0; i < Samples(0.12); ++i) {
        const double sizzle = shimmer.Process(noise.Next(), 6000.0).high;
        loop.Add(start + i, velocity * Strike(Seconds(i), 0.001, 0.022) * sizzle);
    }
}

void AddLeadNote(LoopBuffer& loop, std::size_t start, std::size_t length, double hz,
                 double bendSemitones, double velocity) {
    constexpr double kRelease = 0.1;
    constexpr double kHarmonics[] = {1.0, 0.3, 0.15, 0.06};
    const double held = Seconds(length);
    double phase = 0.0; // in cycles of the fundamental
    for (std::size_t i = 0; i < length + Samples(kRelease); ++i) {
        const double t = Seconds(i);
        const double slide = bendSemitones * std::exp(-t / 0.03);
        const double vibratoDepth = 0.2 * std::clamp((t - 0.15) / 0.2, 0.0, 1.0);
        const double vibrato = vibratoDepth * std::sin(kTwoPi * 5.0 * t);
        phase += hz * std::pow(2.0, (slide + vibrato) / 12.0) / kBluesRate;
        double sum = 0.0;
        for (std::size_t k = 0; k < std::size(kHarmonics); ++k) {
            sum += kHarmonics[k] * std::sin(kTwoPi * static_cast<double>(k + 1) * phase);
        }
        loop.Add(start + i, velocity * Held(t, held, 0.02, kRelease) * sum);
    }
}
