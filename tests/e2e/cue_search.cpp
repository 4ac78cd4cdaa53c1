#include "cue_search.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

using Spectrum = std::vector<std::complex<double>>;

// The product written out: std::complex's own also handles infinities and NaNs, through a
// library call per product that makes the transforms several times slower.
std::complex<double> Times(std::complex<double> a, std::complex<double> b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// In-place radix-2 FFT of a power-of-two length; inverse without the 1/n scale.
void Fft(Spectrum& data, bool inverse) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(data[i], data[j]);
        }
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle =
            (inverse ? 2.0 : -2.0) * std::numbers::pi / static_cast<double>(length);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> twiddle(1.0, 0.0);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> even = data[start + k];
                const std::complex<double> odd = Times(data[start + k + length / 2], twiddle);
                data[start + k] = even + odd;
                data[start + k + length / 2] = even - odd;
                twiddle = Times(twiddle, step);
            }
        }
    }
}

// A stretch with less energy than this part of the cue's (60 dB below) counts as silence:
// its score would be rounding error over rounding error.
constexpr double kSilentRatio = 1e-6;

} // namespace

CueSearch::CueSearch(const std::vector<double>& recording, std::size_t from, std::size_t to,
                     std::size_t longestCue)
    : recording_(recording), from_(from), to_(to), longestCue_(longestCue) {
    to = std::min(to, recording.size());
    if (from >= recording.size() || to < from) {
        return;
    }
    // The samples any stretch covers; correlating cyclically over at least their length
    // wraps nothing into the offsets wanted.
    const std::size_t span = std::min(recording.size() - from, to - from + longestCue);
    std::size_t size = 1;
    while (size < span) {
        size <<= 1;
    }
    spectrum_.assign(size, {});
    for (std::size_t i = 0; i < span; ++i) {
        spectrum_[i] = recording[from + i];
    }
    Fft(spectrum_, false);
}

std::optional<CueMatch> CueSearch::BestMatch(const std::vector<double>& cue) const {
    const std::size_t n = cue.size();
    if (n == 0 || n > longestCue_ || recording_.size() < n || from_ > recording_.size() - n) {
        return std::nullopt;
    }
    const std::size_t to = std::min(to_, recording_.size() - n);
    if (to < from_) {
        return std::nullopt;
    }
    double cueEnergy = 0.0;
    for (const double sample : cue) {
        cueEnergy += sample * sample;
    }
    if (cueEnergy == 0.0) {
        return std::nullopt;
    }
    const std::size_t size = spectrum_.size();
    Spectrum correlation(size);
    for (std::size_t i = 0; i < n; ++i) {
        correlation[i] = cue[i];
    }
    Fft(correlation, false);
    for (std::size_t i = 0; i < size; ++i) {
        correlation[i] = Times(spectrum_[i], std::conj(correlation[i]));
    }
    Fft(correlation, true);

    // The energy of each stretch from a running sum.
    double energy = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        energy += recording_[from_ + i] * recording_[from_ + i];
    }
    CueMatch best{from_, 0.0};
    for (std::size_t k = 0; k + from_ <= to; ++k) {
        if (k > 0) {
            const double leaving = recording_[from_ + k - 1];
            const double entering = recording_[from_ + k + n - 1];
            energy += entering * entering - leaving * leaving;
        }
        if (energy < kSilentRatio * cueEnergy) {
            continue;
        }
        const double score =
            correlation[k].real() / static_cast<double>(size) / std::sqrt(cueEnergy * energy);
        if (score > best.score) {
            best = {from_ + k, score};
        }
    }
    return best;
}
