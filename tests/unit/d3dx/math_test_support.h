// Comparisons shared by the maths tests.
#pragma once

#include <d3dx9math.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace math_test {

// Written into outputs beforehand, so that an output left alone shows.
constexpr float kSentinel = 12345.5f;

inline D3DXMATRIX SentinelMatrix() {
    D3DXMATRIX m;
    for (int i = 0; i < 16; ++i) {
        static_cast<FLOAT*>(m)[i] = kSentinel;
    }
    return m;
}

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

inline void ExpectMatrixNear(const D3DXMATRIX& expected, const D3DXMATRIX& actual,
                             float tolerance = 1e-5f) {
    for (UINT row = 0; row < 4; ++row) {
        for (UINT col = 0; col < 4; ++col) {
            EXPECT_NEAR(expected(row, col), actual(row, col), tolerance)
                << "row " << row << " column " << col;
        }
    }
}

// Element by element, bit for bit (as measured from the platform's library).
inline void ExpectMatrixBits(const std::uint32_t (&expected)[16], const D3DXMATRIX& actual) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(expected[i], Bits(static_cast<const FLOAT*>(actual)[i])) << "element " << i;
    }
}

inline void ExpectSentinelMatrix(const D3DXMATRIX& m) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(kSentinel, static_cast<const FLOAT*>(m)[i]) << "element " << i;
    }
}

inline D3DXVECTOR3 TransformCoord(const D3DXVECTOR3& v, const D3DXMATRIX& m) {
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &v, &m);
    return out;
}

} // namespace math_test
