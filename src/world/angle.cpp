#include "world/angle.h"

#include <cmath>

namespace {

constexpr double SINGLE_PI = static_cast<double>(3.1415927f);

} // namespace

float DegreesToAngle(double degrees) {
    return static_cast<float>(degrees * SINGLE_PI / 180.0);
}

double AngleToWholeDegrees(float angle) {
    return std::round(static_cast<double>(angle) * 180.0 / SINGLE_PI);
}
