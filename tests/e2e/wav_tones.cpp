// Finds pure tones in a recorded WAV file, so the end-to-end test can tell which of the
// game's sound cues were played and when.
//
// wav_tones FILE NAME=HZ...
//
// The first channel is cut into windows of 1/20 s and each tone's amplitude is measured in
// every window (Goertzel). For each NAME one line is printed: "NAME FIRST ACTIVE", the start
// of the first window in which the tone is present and the total time it is present, both in
// seconds (FIRST is -1 when it never sounds). A first line "length SECONDS" gives the length
// of the recording.
#include "wav_samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A tone counts as present in a window above this amplitude (full scale is 1).
constexpr double PRESENT_AMPLITUDE = 0.05;
constexpr int WINDOWS_PER_SECOND = 20;

// The amplitude of one frequency in a run of samples.
double ToneAmplitude(const double* samples, std::size_t count, double hz, double rate) {
    const double coefficient = 2.0 * std::cos(2.0 * M_PI * hz / rate);
    double previous = 0;
    double beforePrevious = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double current = samples[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(count);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wav_tones FILE NAME=HZ...\n");
        return 2;
    }
    WavSamples recording;
    if (!ReadWavSamples(argv[1], recording)) {
        std::fprintf(stderr, "wav_tones: %s is not a readable WAV recording\n", argv[1]);
        return 2;
    }
    const std::size_t window = static_cast<std::size_t>(recording.rate / WINDOWS_PER_SECOND);
    const std::size_t windows = window == 0 ? 0 : recording.samples.size() / window;
    std::printf("length %.3f\n", static_cast<double>(recording.samples.size()) / recording.rate);
    for (int arg = 2; arg < argc; ++arg) {
        const std::string tone = argv[arg];
        const std::size_t equals = tone.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "wav_tones: %s is not NAME=HZ\n", argv[arg]);
            return 2;
        }
        const double hz = std::atof(tone.c_str() + equals + 1);
        double first = -1;
        std::size_t present = 0;
        for (std::size_t w = 0; w < windows; ++w) {
            const double amplitude =
                ToneAmplitude(recording.samples.data() + w * window, window, hz, recording.rate);
            if (amplitude > PRESENT_AMPLITUDE) {
                if (first < 0) {
                    first = static_cast<double>(w) / WINDOWS_PER_SECOND;
                }
                ++present;
            }
        }
        std::printf("%s %.3f %.3f\n", tone.substr(0, equals).c_str(), first,
                    static_cast<double>(present) / WINDOWS_PER_SECOND);
    }
    return 0;
}
