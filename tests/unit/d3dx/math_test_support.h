// Comparisons shared by the maths tests.
#pragma once

#include <d3dx9math.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace math_test {

// Written into outputs beforehand, so that an output left alone shows.
constexpr float kSentinel = 12345.5f;

inline std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float FromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void ExpectVectorNear(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual,
                             float tolerance = 1e-5f) {
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}

inline D3DXVECTOR3 TransformCoord(const D3DXVECTOR3& v, const D3DXMATRIX& m) {
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &v, &m);
    return out;
}

} // namespace math_test
