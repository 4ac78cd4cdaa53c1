// White noise for the sounds: xorshift32 from a fixed seed, written out here so that the same
// seed gives the same noise with every compiler and library.
#pragma once

#include <cstdint>

class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1) {}

    // The next value, evenly spread over [-1, 1).
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};
