// Matrices the conformance run does not compare (rotations about x and y, look-at, transpose,
// identity test), singular inverses, and last-place rounding of the functions and operators.
#include "math_test_support.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

using math_test::Bits;
using math_test::ExpectVectorNear;
using math_test::FromBits;
using math_test::kSentinel;
using math_test::TransformCoord;

TEST(MathMatrix, QuarterTurnsAreLeftHanded) {
    // A quarter turn about z takes x to y, about x takes y to z, about y takes z to x.
    const float quarter = D3DX_PI / 2.0f;
    D3DXMATRIX m;
    ExpectVectorNear({0, 1, 0}, TransformCoord({1, 0, 0}, *D3DXMatrixRotationZ(&m, quarter)));
    ExpectVectorNear({0, 0, 1}, TransformCoord({0, 1, 0}, *D3DXMatrixRotationX(&m, quarter)));
    ExpectVectorNear({1, 0, 0}, TransformCoord({0, 0, 1}, *D3DXMatrixRotationY(&m, quarter)));
}

TEST(MathMatrix, TransposeInPlaceAndAnExactIdentity) {
    const D3DXMATRIX m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    D3DXMATRIX t = m;
    EXPECT_EQ(&t, D3DXMatrixTranspose(&t, &t));
    D3DXMATRIX identity;
    EXPECT_EQ(&identity, D3DXMatrixIdentity(&identity));
    EXPECT_TRUE(D3DXMatrixIsIdentity(&identity));
    for (UINT row = 0; row < 4; ++row) {
        for (UINT col = 0; col < 4; ++col) {
            EXPECT_EQ(m(col, row), t(row, col));
            D3DXMATRIX nudged = identity;
            nudged(row, col) += 1e-6f;
            EXPECT_FALSE(D3DXMatrixIsIdentity(&nudged)) << row << "," << col;
        }
    }
}

TEST(MathMatrix, SingularInverseGivesNullAndTouchesNothing) {
    const D3DXMATRIX singular[] = {
        D3DXMATRIX(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
        // Rows 1 and 3 equal, though no row or column is zero.
        D3DXMATRIX(1, 2, 3, 0, 4, 5, 6, 0, 1, 2, 3, 0, 7, 8, 9, 1),
        // The determinant underflows to zero in single precision.
        D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1e-30f, 0, 0, 0, 0, 1e-30f),
    };
    for (const D3DXMATRIX& m : singular) {
        D3DXMATRIX out;
        std::fill_n(static_cast<FLOAT*>(out), 16, kSentinel);
        const D3DXMATRIX untouched = out;
        float determinant = kSentinel;
        EXPECT_EQ(nullptr, D3DXMatrixInverse(&out, &determinant, &m));
        EXPECT_EQ(untouched, out);
        EXPECT_EQ(kSentinel, determinant);
    }
}

TEST(MathMatrix, OperatorsRoundAndCompareAsTheWindowsHeadersDo) {
    // A vector divides each component (5 / 3 is 0x3fd55555); matrices and colours multiply by
    // the reciprocal (5 * (1 / 3) ends in 6).
    EXPECT_EQ(0x3fd55555u, Bits((D3DXVECTOR3(5.0f, 0.0f, 0.0f) / 3.0f).x));
    D3DXMATRIX m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    EXPECT_EQ(0x3fd55556u, Bits((m / 3.0f)._21));
    D3DXCOLOR divided(0.0f, 0.0f, 5.0f, 0.0f);
    divided /= 3.0f;
    EXPECT_EQ(0x3fd55556u, Bits(divided.b));
    // Out-of-range matrix indices wrap instead of leaving the matrix.
    EXPECT_EQ(m(1, 2), m(5, 6));
    // Matrix equality is bitwise: a NaN equals itself.
    m._44 = std::numeric_limits<float>::quiet_NaN();
    const D3DXMATRIX same = m;
    EXPECT_TRUE(m == same);
    // A colour of NaNs packs them as 0.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(0xff000000u, static_cast<DWORD>(D3DXCOLOR(nan, nan, nan, 1.0f)));
}

TEST(MathMatrix, MatchesThePlatformBitForBit) {
    // Measured from the platform's library, where the order of its operations rounds
    // differently in the last place (beyond what the conformance comparison notices):
    // perspective x scale is 1 / (aspect tan(fovy / 2)); look-at's up axis comes from the
    // right axis before that is normalised; rotation about an axis forms (1 - cos) y x above
    // the diagonal; sines are correctly rounded (glibc's sinf gives 0x3d6cdc68 here).
    D3DXMATRIX perspective, view, axisTurn, xTurn;
    D3DXMatrixPerspectiveFovLH(&perspective, FromBits(0x3f164f06), FromBits(0x3f9c656d),
                               FromBits(0x3dc3f281), FromBits(0x43f926c1));
    const D3DXVECTOR3 eye(FromBits(0x3f2b46c0), FromBits(0x3e3fce60), FromBits(0x3fe8f42e));
    const D3DXVECTOR3 at(FromBits(0xbfad70b8), FromBits(0x3efcc1a8), FromBits(0x3f20bb60));
    const D3DXVECTOR3 up(FromBits(0xbe2fda80), FromBits(0x3f88eb9e), FromBits(0x3fdbae4c));
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    const D3DXVECTOR3 axis(FromBits(0x3fdffa68), FromBits(0xbf7a8768), FromBits(0xbfa56e85));
    D3DXMatrixRotationAxis(&axisTurn, &axis, FromBits(0x402eb240));
    D3DXMatrixRotationX(&xTurn, FromBits(0x3d6cfe40));

    struct Case {
        const char* name;
        const D3DXMATRIX& actual;
        std::uint32_t expected[16];
    };
    const Case cases[] = {
        {"perspective",
         perspective,
         {0x402d445f, 0, 0, 0, 0, 0x4053b4a0, 0, 0, 0, 0, 0x3f80064b, 0x3f800000, 0, 0, 0xbdc3fc23,
          0}},
        {"look-at",
         view,
         {0xbec81672, 0xbeaf4f16, 0xbf5abb88, 0, 0xbf4c57db, 0x3f169c87, 0x3e046d44, 0, 0x3eeab35a,
          0x3f3b88a0, 0xbf00d357, 0, 0xbed8b960, 0xbf9b6f26, 0x3fbb4c81, 0x3f800000}},
        {"rotation-axis",
         axisTurn,
         {0x3deb4700, 0xbf4b2e85, 0xbf18eea8, 0, 0xbeb83558, 0xbf18027f, 0x3f383e79, 0, 0xbf6d0a37,
          0x3e076c96, 0xbeb520dc, 0, 0, 0, 0, 0x3f800000}},
        {"rotation-x",
         xTurn,
         {0x3f800000, 0, 0, 0, 0, 0x3f7f9255, 0x3d6cdc67, 0, 0, 0xbd6cdc67, 0x3f7f9255, 0, 0, 0, 0,
          0x3f800000}},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(c.expected[i], Bits(static_cast<const FLOAT*>(c.actual)[i]))
                << c.name << " element " << i;
        }
    }
}

} // namespace
