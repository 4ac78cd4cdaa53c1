// Vector functions and value-type operators the conformance run does not compare: lengths,
// sums, normalising zero, the 2- and 4-vectors, colour packing and last-place divisions.
#include "math_test_support.h"

#include <cmath>
#include <limits>

namespace {

using math_test::Bits;

TEST(MathVector, NormaliseGivesUnitLengthAndZeroStaysZero) {
    const D3DXVECTOR3 v(3.0f, 0.0f, -4.0f);
    D3DXVECTOR3 out;
    ASSERT_EQ(&out, D3DXVec3Normalize(&out, &v));
    EXPECT_EQ(D3DXVECTOR3(0.6f, 0.0f, -0.8f), out);
    const D3DXVECTOR3 zero(0.0f, 0.0f, 0.0f);
    out = D3DXVECTOR3(5.0f, 5.0f, 5.0f);
    ASSERT_EQ(&out, D3DXVec3Normalize(&out, &zero));
    EXPECT_EQ(zero, out);
    EXPECT_FALSE(std::isnan(out.x) || std::isnan(out.y) || std::isnan(out.z));
}

TEST(MathVector, LengthsSumsAndScales) {
    const D3DXVECTOR3 a(1.0f, 2.0f, 3.0f);
    const D3DXVECTOR3 b(0.5f, -1.0f, 4.0f);
    const D3DXVECTOR3 five(0.0f, 3.0f, -4.0f);
    EXPECT_EQ(14.0f, D3DXVec3LengthSq(&a));
    EXPECT_EQ(5.0f, D3DXVec3Length(&five));
    D3DXVECTOR3 out;
    ASSERT_EQ(&out, D3DXVec3Add(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(1.5f, 1.0f, 7.0f), out);
    ASSERT_EQ(&out, D3DXVec3Subtract(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(0.5f, 3.0f, -1.0f), out);
    ASSERT_EQ(&out, D3DXVec3Scale(&out, &a, -2.0f));
    EXPECT_EQ(D3DXVECTOR3(-2.0f, -4.0f, -6.0f), out);

    EXPECT_EQ(D3DXVECTOR2(2.0f, 5.0f), D3DXVECTOR2(1.0f, 2.0f) * 3.0f - D3DXVECTOR2(1.0f, 1.0f));
    EXPECT_EQ(D3DXVECTOR4(-0.5f, -1.0f, -1.5f, -2.0f), -(D3DXVECTOR4(1, 2, 3, 4) / 2.0f));
    EXPECT_EQ(3.141592654f, D3DX_PI);
    EXPECT_FLOAT_EQ(D3DX_PI, D3DXToRadian(180.0f));
    EXPECT_FLOAT_EQ(90.0f, D3DXToDegree(D3DX_PI / 2.0f));
}

TEST(MathVector, OperatorsRoundAndCompareAsTheWindowsHeadersDo) {
    // A vector divides each component (5 / 3 is 0x3fd55555); matrices and colours multiply by
    // the reciprocal (5 * (1 / 3) ends in 6).
    EXPECT_EQ(0x3fd55555u, Bits((D3DXVECTOR3(5.0f, 0.0f, 0.0f) / 3.0f).x));
    D3DXMATRIX m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    EXPECT_EQ(0x3fd55556u, Bits((m / 3.0f)._21));
    D3DXCOLOR divided(0.0f, 0.0f, 5.0f, 0.0f);
    EXPECT_EQ(0x3fd55556u, Bits((divided / 3.0f).b));
    divided /= 3.0f;
    EXPECT_EQ(0x3fd55556u, Bits(divided.b));

    // Out-of-range matrix indices wrap instead of leaving the matrix.
    EXPECT_EQ(m(1, 2), m(5, 6));
    // Matrix equality is bitwise: a NaN equals itself.
    m._44 = std::numeric_limits<float>::quiet_NaN();
    const D3DXMATRIX same = m;
    EXPECT_TRUE(m == same);

    // Colours pack every byte back as it came; clamped to 0..1, rounded, NaN as 0.
    for (DWORD byte = 0; byte < 256; ++byte) {
        const DWORD argb = (byte << 24) | ((255 - byte) << 16) | (byte << 8) | (byte ^ 0x5a);
        EXPECT_EQ(argb, static_cast<DWORD>(D3DXCOLOR(argb)));
    }
    EXPECT_EQ(0x008040ffu, static_cast<DWORD>(D3DXCOLOR(0.5f, 0.25f, 1.5f, -1.0f)));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(0xff000000u, static_cast<DWORD>(D3DXCOLOR(nan, nan, nan, 1.0f)));
}

} // namespace
