// Finding known sounds in a recording, whatever the gain they were played at: the normalised
// cross-correlation of a sound with every stretch of the recording of its length.
#pragma once

#include <complex>
#include <cstddef>
#include <optional>
#include <vector>

struct CueMatch {
    std::size_t offset; // where the stretch starts in the recording, in samples
    double score;       // cosine of the angle between cue and stretch: 1 for a scaled copy
};

// The stretches of a recording that start from one sample up to and including another
// (clipped to the recording), searched for any number of cues up to a longest length; the
// recording's part is transformed once for all of them. The recording must outlive the search.
class CueSearch {
public:
    CueSearch(const std::vector<double>& recording, std::size_t from, std::size_t to,
              std::size_t longestCue);

    // The best-matching stretch; nullopt when the cue is empty, silent or longer than the
    // longest, or no whole stretch starts in the range. A silent stretch scores 0.
    std::optional<CueMatch> BestMatch(const std::vector<double>& cue) const;

private:
    const std::vector<double>& recording_;
    std::size_t from_;
    std::size_t to_;
    std::size_t longestCue_;
    std::vector<std::complex<double>> spectrum_;
};
