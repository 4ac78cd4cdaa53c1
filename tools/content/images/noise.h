// Noise that repeats across the unit square: (u, v) and (u + 1, v) or (u, v + 1) give the same
// value, so textures computed from it tile without seams.
#pragma once

#include <cstdint>

// Smooth value noise in [0, 1] over cells_x by cells_y lattice cells.
double PeriodicNoise(double u, double v, int cells_x, int cells_y, std::uint32_t seed);

// Octaves of PeriodicNoise, each with twice the cells and half the weight of the one before;
// in [0, 1], mostly near 0.5.
double PeriodicFractalNoise(double u, double v, int cells_x, int cells_y, int octaves,
                            std::uint32_t seed);

// Cellular noise: one feature point per cell of a cells by cells grid, placed at random in
// the cell's middle.
struct CellularSample {
    double nearest;  // distance to the nearest point, in cells
    double second;   // distance to the second nearest point, in cells
    double offset_x; // (u, v) minus the nearest point, in cells
    double offset_y;
    std::uint32_t cell; // which point is nearest, the same for every (u, v) in its region
};
CellularSample PeriodicCellular(double u, double v, int cells, std::uint32_t seed);
