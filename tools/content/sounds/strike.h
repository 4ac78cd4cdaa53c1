// Struck metal: a set of partials at fixed ratios to a base frequency, each ringing down at its
// own rate. Ratios that are not whole numbers give the clink of coins or the clank of a rail.
#pragma once

#include <span>
#include <vector>

struct Partial {
    double ratio;     // frequency over the base frequency
    double amplitude; // at the moment of the strike
    double decay;     // time constant of its dying away, in seconds
};

// Adds a strike at 'start' seconds with the given loudness, until the end of the samples.
void AddStrike(std::vector<double>& samples, int sampleRate, double start, double baseHz,
               double loudness, std::span<const Partial> partials);
