// Vector functions: lengths, products and normalisation.
#include "math_test_support.h"

#include <cmath>

namespace {

using math_test::ExpectVectorNear;

TEST(MathVector, NormaliseGivesUnitLengthAndZeroStaysZero) {
    const D3DXVECTOR3 v(3.0f, 0.0f, -4.0f);
    D3DXVECTOR3 out;
    ASSERT_EQ(&out, D3DXVec3Normalize(&out, &v));
    EXPECT_EQ(D3DXVECTOR3(0.6f, 0.0f, -0.8f), out);

    const D3DXVECTOR3 zero(0.0f, 0.0f, 0.0f);
    out = D3DXVECTOR3(5.0f, 5.0f, 5.0f);
    ASSERT_EQ(&out, D3DXVec3Normalize(&out, &zero));
    EXPECT_FALSE(std::isnan(out.x) || std::isnan(out.y) || std::isnan(out.z));
    EXPECT_EQ(zero, out);

    // In place.
    D3DXVECTOR3 in_place(0.0f, -2.0f, 0.0f);
    D3DXVec3Normalize(&in_place, &in_place);
    EXPECT_EQ(D3DXVECTOR3(0.0f, -1.0f, 0.0f), in_place);
}

TEST(MathVector, DotCrossAndLength) {
    const D3DXVECTOR3 x(1.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 y(0.0f, 1.0f, 0.0f);
    D3DXVECTOR3 out;
    ASSERT_EQ(&out, D3DXVec3Cross(&out, &x, &y));
    EXPECT_EQ(D3DXVECTOR3(0.0f, 0.0f, 1.0f), out);
    D3DXVec3Cross(&out, &y, &x);
    EXPECT_EQ(D3DXVECTOR3(0.0f, 0.0f, -1.0f), out);

    const D3DXVECTOR3 a(1.0f, 2.0f, 3.0f);
    const D3DXVECTOR3 b(-4.0f, 5.0f, 0.5f);
    D3DXVec3Cross(&out, &a, &b);
    EXPECT_EQ(D3DXVECTOR3(2.0f * 0.5f - 3.0f * 5.0f, 3.0f * -4.0f - 1.0f * 0.5f,
                          1.0f * 5.0f - 2.0f * -4.0f),
              out);
    // The product is square to both inputs.
    EXPECT_FLOAT_EQ(0.0f, D3DXVec3Dot(&out, &a));
    EXPECT_FLOAT_EQ(0.0f, D3DXVec3Dot(&out, &b));

    // The output may be either input.
    D3DXVECTOR3 left = a;
    D3DXVec3Cross(&left, &left, &b);
    EXPECT_EQ(out, left);
    D3DXVECTOR3 right = b;
    D3DXVec3Cross(&right, &a, &right);
    EXPECT_EQ(out, right);

    EXPECT_EQ(7.5f, D3DXVec3Dot(&a, &b));
    EXPECT_EQ(14.0f, D3DXVec3LengthSq(&a));
    const D3DXVECTOR3 five(0.0f, 3.0f, -4.0f);
    EXPECT_EQ(5.0f, D3DXVec3Length(&five));
}

TEST(MathVector, AddSubtractAndScale) {
    const D3DXVECTOR3 a(1.0f, 2.0f, 3.0f);
    const D3DXVECTOR3 b(0.5f, -1.0f, 4.0f);
    D3DXVECTOR3 out;
    ASSERT_EQ(&out, D3DXVec3Add(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(1.5f, 1.0f, 7.0f), out);
    ASSERT_EQ(&out, D3DXVec3Subtract(&out, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(0.5f, 3.0f, -1.0f), out);
    ASSERT_EQ(&out, D3DXVec3Scale(&out, &a, -2.0f));
    EXPECT_EQ(D3DXVECTOR3(-2.0f, -4.0f, -6.0f), out);
}

TEST(MathVector, NullPointersGiveNullOrZero) {
    const D3DXVECTOR3 a(1.0f, 2.0f, 3.0f);
    D3DXVECTOR3 out(9.0f, 9.0f, 9.0f);
    EXPECT_EQ(nullptr, D3DXVec3Normalize(NULL, &a));
    EXPECT_EQ(nullptr, D3DXVec3Normalize(&out, NULL));
    EXPECT_EQ(nullptr, D3DXVec3Cross(NULL, &a, &a));
    EXPECT_EQ(nullptr, D3DXVec3Cross(&out, NULL, &a));
    EXPECT_EQ(nullptr, D3DXVec3Cross(&out, &a, NULL));
    EXPECT_EQ(nullptr, D3DXVec3Add(&out, NULL, &a));
    EXPECT_EQ(nullptr, D3DXVec3Subtract(&out, &a, NULL));
    EXPECT_EQ(nullptr, D3DXVec3Scale(NULL, &a, 2.0f));
    EXPECT_EQ(D3DXVECTOR3(9.0f, 9.0f, 9.0f), out);
    EXPECT_EQ(0.0f, D3DXVec3Dot(NULL, &a));
    EXPECT_EQ(0.0f, D3DXVec3Dot(&a, NULL));
    EXPECT_EQ(0.0f, D3DXVec3Length(NULL));
    EXPECT_EQ(0.0f, D3DXVec3LengthSq(NULL));
}

} // namespace
