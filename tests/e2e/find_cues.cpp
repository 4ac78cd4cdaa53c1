// Finds the game's sound cues in a recording of what it played, for the end-to-end test.
//
// find_cues RECORDING FROM TO CUE.wav...
//
// For each cue one line "NAME SECONDS SCORE": where in the recording, from FROM to TO
// seconds, the stretch most like the cue starts, and how alike they are (the normalised
// cross-correlation, 1 for the cue itself at any gain). NAME is the cue file's name without
// its folder and extension. A cue is found in the recording's first channel: the game plays
// it unchanged, at some gain, over the music. "NAME -1 0" when no whole stretch starts in
// the range. Exit code 0 with an answer, 2 for bad arguments or a file that cannot be read.
#include "cue_search.h"
#include "wav_samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

bool ReadSeconds(const char* text, double& seconds) {
    char* end = nullptr;
    seconds = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(seconds) && seconds >= 0.0 && seconds < 1e6;
}

} // namespace

int main(int argc, char** argv) {
    double from = 0.0, to = 0.0;
    if (argc < 5 || !ReadSeconds(argv[2], from) || !ReadSeconds(argv[3], to)) {
        std::fprintf(stderr, "usage: find_cues RECORDING FROM TO CUE.wav...\n");
        return 2;
    }
    WavSamples recording;
    if (!ReadWavSamples(argv[1], recording)) {
        std::fprintf(stderr, "find_cues: %s is not a readable WAV recording\n", argv[1]);
        return 2;
    }
    std::vector<WavSamples> cues(static_cast<std::size_t>(argc - 4));
    std::size_t longest = 0;
    for (int arg = 4; arg < argc; ++arg) {
        WavSamples& cue = cues[static_cast<std::size_t>(arg - 4)];
        if (!ReadWavSamples(argv[arg], cue)) {
            std::fprintf(stderr, "find_cues: %s is not a readable WAV file\n", argv[arg]);
            return 2;
        }
        if (cue.rate != recording.rate) {
            std::fprintf(stderr, "find_cues: %s has %.0f samples a second, the recording %.0f\n",
                         argv[arg], cue.rate, recording.rate);
            return 2;
        }
        longest = std::max(longest, cue.samples.size());
    }
    const auto at = [&](double seconds) {
        return static_cast<std::size_t>(std::llround(seconds * recording.rate));
    };
    const CueSearch search(recording.samples, at(from), at(to), longest);
    for (int arg = 4; arg < argc; ++arg) {
        const std::string name = std::filesystem::path(argv[arg]).stem().string();
        const std::optional<CueMatch> match =
            search.BestMatch(cues[static_cast<std::size_t>(arg - 4)].samples);
        if (match) {
            std::printf("%s %.3f %.3f\n", name.c_str(),
                        static_cast<double>(match->offset) / recording.rate, match->score);
        } else {
            std::printf("%s -1 0\n", name.c_str());
        }
    }
    return 0;
}
