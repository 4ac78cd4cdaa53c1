// The smooth step from 0 (at edge0) to 1 (at edge1) that soft edges of noise patterns use;
// edge0 may lie above edge1 for a falling step.
#pragma once

#include <algorithm>

inline double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
