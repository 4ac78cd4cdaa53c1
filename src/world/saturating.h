// Counters that absurd level files could push past the 32-bit range (an "objects" count
// near the limit, a score from millions of targets) stop at the ends of the range instead.
#pragma once

#include <climits>

inline int SaturatingAdd(int value, long long delta) {
    const long long sum = static_cast<long long>(value) + delta;
    if (sum > INT_MAX) {
        return INT_MAX;
    }
    if (sum < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(sum);
}
