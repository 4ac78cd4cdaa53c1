#include "images/noise.h"

#include "images/random.h"

#include <cmath>
#include <limits>

namespace {

int Wrap(int index, int period) {
    return ((index % period) + period) % period;
}

double SmootherStep(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

double PeriodicNoise(double u, double v, int cells_x, int cells_y, std::uint32_t seed) {
    const double x = u * cells_x;
    const double y = v * cells_y;
    const double floor_x = std::floor(x);
    const double floor_y = std::floor(y);
    const int x0 = Wrap(static_cast<int>(floor_x), cells_x);
    const int y0 = Wrap(static_cast<int>(floor_y), cells_y);
    const int x1 = Wrap(x0 + 1, cells_x);
    const int y1 = Wrap(y0 + 1, cells_y);
    const double tx = SmootherStep(x - floor_x);
    const double ty = SmootherStep(y - floor_y);
    const double top =
        LatticeValue(x0, y0, seed) + (LatticeValue(x1, y0, seed) - LatticeValue(x0, y0, seed)) * tx;
    const double bottom =
        LatticeValue(x0, y1, seed) + (LatticeValue(x1, y1, seed) - LatticeValue(x0, y1, seed)) * tx;
    return top + (bottom - top) * ty;
}

double PeriodicFractalNoise(double u, double v, int cells_x, int cells_y, int octaves,
                            std::uint32_t seed) {
    double sum = 0;
    double weight = 1;
    double total_weight = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * PeriodicNoise(u, v, cells_x << octave, cells_y << octave,
                                      seed + static_cast<std::uint32_t>(octave) * 7919u);
        total_weight += weight;
        weight *= 0.5;
    }
    return sum / total_weight;
}

CellularSample PeriodicCellular(double u, double v, int cells, std::uint32_t seed) {
    const double x = u * cells;
    const double y = v * cells;
    const int cell_x = static_cast<int>(std::floor(x));
    const int cell_y = static_cast<int>(std::floor(y));
    CellularSample sample{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), 0,
                          0, 0};
    // The second nearest point may lie two cells away.
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int wrapped_x = Wrap(cell_x + dx, cells);
            const int wrapped_y = Wrap(cell_y + dy, cells);
            // Points kept off the cell's borders give regions of even size, without slivers.
            const double point_x =
                cell_x + dx + 0.15 + 0.7 * LatticeValue(wrapped_x, wrapped_y, seed);
            const double point_y =
                cell_y + dy + 0.15 + 0.7 * LatticeValue(wrapped_x, wrapped_y, seed + 1);
            const double distance = std::hypot(x - point_x, y - point_y);
            if (distance < sample.nearest) {
                sample.second = sample.nearest;
                sample.nearest = distance;
                sample.offset_x = x - point_x;
                sample.offset_y = y - point_y;
                sample.cell = static_cast<std::uint32_t>(wrapped_y * cells + wrapped_x);
            } else if (distance < sample.second) {
                sample.second = distance;
            }
        }
    }
    return sample;
}
