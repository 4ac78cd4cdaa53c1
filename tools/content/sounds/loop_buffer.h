// Samples of a sound that repeats end to start. Whatever is added past the end lands at the
// start, so notes that ring on across the end carry into the beginning and the last sample
// flows into the first.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

class LoopBuffer {
public:
    explicit LoopBuffer(std::size_t length) : samples_(length) {}

    void Add(std::size_t index, double value) { samples_[index % samples_.size()] += value; }

    std::vector<double> Take() { return std::move(samples_); }

private:
    std::vector<double> samples_;
};
