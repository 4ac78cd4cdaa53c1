// Pseudo-random numbers of our own (SplitMix64), so that every run on every machine draws the
// same images.
#pragma once

#include <cstdint>

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    // Uniform in [0, 1).
    double Unit();
    // Uniform in [low, high).
    double Range(double low, double high);

private:
    std::uint64_t Next();

    std::uint64_t state_;
};

// A fixed pseudo-random value in [0, 1) for the lattice point (x, y) of the noise named seed.
double LatticeValue(int x, int y, std::uint32_t seed);
