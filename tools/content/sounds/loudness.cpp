#include "sounds/loudness.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBlockSeconds = 0.01;
constexpr double kGateDb = -30.0;

// The mean square of each whole or trailing partial block.
std::vector<double> BlockPowers(const std::vector<double>& samples, int sampleRate) {
    const std::size_t blockLength = static_cast<std::size_t>(sampleRate * kBlockSeconds);
    std::vector<double> powers;
    for (std::size_t start = 0; start < samples.size(); start += blockLength) {
        const std::size_t end = std::min(samples.size(), start + blockLength);
        double sum = 0.0;
        for (std::size_t i = start; i < end; ++i) {
            sum += samples[i] * samples[i];
        }
        powers.push_back(sum / static_cast<double>(end - start));
    }
    return powers;
}

// The mean of the block powers that pass the gate.
double GatedPower(const std::vector<double>& samples, int sampleRate) {
    const std::vector<double> powers = BlockPowers(samples, sampleRate);
    const double loudest = powers.empty() ? 0.0 : *std::max_element(powers.begin(), powers.end());
    const double gate = loudest * std::pow(10.0, kGateDb / 10.0);
    double sum = 0.0;
    int counted = 0;
    for (double power : powers) {
        if (power > 0.0 && power >= gate) {
            sum += power;
            ++counted;
        }
    }
    return counted == 0 ? 0.0 : sum / counted;
}

} // namespace

double LoudnessDb(const std::vector<double>& samples, int sampleRate) {
    return 10.0 * std::log10(GatedPower(samples, sampleRate));
}

void SetLoudness(std::vector<double>& samples, int sampleRate, double targetDb) {
    const double gain =
        std::sqrt(std::pow(10.0, targetDb / 10.0) / GatedPower(samples, sampleRate));
    for (double& sample : samples) {
        sample *= gain;
    }
}
