// Sine, cosine and tangent of a float angle, correctly rounded to float. glibc's sinf and
// cosf can be one unit in the last place off; the platform's are not, and evaluating in
// double then rounding gives its results.
#pragma once

#include <cmath>

namespace d3dx_math {

inline float sine(float angle) {
    return static_cast<float>(std::sin(double{angle}));
}
inline float cosine(float angle) {
    return static_cast<float>(std::cos(double{angle}));
}
inline float tangent(float angle) {
    return static_cast<float>(std::tan(double{angle}));
}

} // namespace d3dx_math
