// Matrices that move, turn and scale points, their products, transposes and inverses.
#include "math_test_support.h"

#include <cmath>
#include <cstdint>

namespace {

using math_test::ExpectMatrixNear;
using math_test::ExpectSentinelMatrix;
using math_test::ExpectVectorNear;
using math_test::TransformCoord;

D3DXMATRIX Identity() {
    D3DXMATRIX m;
    return *D3DXMatrixIdentity(&m);
}

D3DXMATRIX Translation(float x, float y, float z) {
    D3DXMATRIX m;
    return *D3DXMatrixTranslation(&m, x, y, z);
}

D3DXMATRIX Scaling(float x, float y, float z) {
    D3DXMATRIX m;
    return *D3DXMatrixScaling(&m, x, y, z);
}

// No zeros, no symmetry, not affine: every element of a product or inverse matters.
D3DXMATRIX General() {
    return D3DXMATRIX(2.0f, 0.5f, -1.0f, 0.25f, 1.5f, 3.0f, 0.25f, 0.5f, -0.75f, 1.0f, 4.0f, -0.5f,
                      10.0f, -20.0f, 5.0f, 1.0f);
}

TEST(MathTransform, TranslationScalingAndRotationMoveKnownPoints) {
    const D3DXVECTOR3 one(1.0f, 1.0f, 1.0f);
    ExpectVectorNear({2.0f, 3.0f, 4.0f}, TransformCoord(one, Translation(1.0f, 2.0f, 3.0f)));
    ExpectVectorNear({2.0f, -3.0f, 0.5f}, TransformCoord(one, Scaling(2.0f, -3.0f, 0.5f)));

    // Left-handed: a quarter turn about z takes x to y, about x takes y to z, about y z to x.
    const float quarter = D3DX_PI / 2.0f;
    D3DXMATRIX m;
    ExpectVectorNear({0.0f, 1.0f, 0.0f},
                     TransformCoord({1.0f, 0.0f, 0.0f}, *D3DXMatrixRotationZ(&m, quarter)));
    ExpectVectorNear({0.0f, 0.0f, 1.0f},
                     TransformCoord({0.0f, 1.0f, 0.0f}, *D3DXMatrixRotationX(&m, quarter)));
    ExpectVectorNear({1.0f, 0.0f, 0.0f},
                     TransformCoord({0.0f, 0.0f, 1.0f}, *D3DXMatrixRotationY(&m, quarter)));
    // The axis itself stays put and nothing is translated.
    ExpectVectorNear({0.0f, 0.0f, 2.0f},
                     TransformCoord({0.0f, 0.0f, 2.0f}, *D3DXMatrixRotationZ(&m, 0.3f)));
    EXPECT_TRUE(D3DXMatrixIsIdentity(D3DXMatrixRotationY(&m, 0.0f)));
}

TEST(MathTransform, InAProductTheLeftMatrixActsFirst) {
    const D3DXVECTOR3 point(1.0f, 0.0f, 0.0f);
    const D3DXMATRIX scale = Scaling(2.0f, 2.0f, 2.0f);
    const D3DXMATRIX move = Translation(1.0f, 0.0f, 0.0f);
    D3DXMATRIX product;

    // Scale then move: 1 -> 2 -> 3. Move then scale: 1 -> 2 -> 4.
    D3DXMatrixMultiply(&product, &scale, &move);
    ExpectVectorNear({3.0f, 0.0f, 0.0f}, TransformCoord(point, product));
    D3DXMatrixMultiply(&product, &move, &scale);
    ExpectVectorNear({4.0f, 0.0f, 0.0f}, TransformCoord(point, product));

    // Each element is a row of the left times a column of the right.
    const D3DXMATRIX a = General();
    const D3DXMATRIX b = Scaling(2.0f, 3.0f, 4.0f) * Translation(5.0f, 6.0f, 7.0f);
    D3DXMatrixMultiply(&product, &a, &b);
    for (UINT row = 0; row < 4; ++row) {
        for (UINT col = 0; col < 4; ++col) {
            float expected = 0.0f;
            for (UINT k = 0; k < 4; ++k) {
                expected += a(row, k) * b(k, col);
            }
            EXPECT_FLOAT_EQ(expected, product(row, col)) << row << "," << col;
        }
    }
}

TEST(MathTransform, RotationAxisNormalisesTheAxis) {
    D3DXMATRIX about_long_z;
    D3DXMATRIX about_z;
    const D3DXVECTOR3 long_z(0.0f, 0.0f, 5.0f);
    D3DXMatrixRotationAxis(&about_long_z, &long_z, 0.8f);
    D3DXMatrixRotationZ(&about_z, 0.8f);
    ExpectMatrixNear(about_z, about_long_z);

    // A third of a turn about (1, 1, 1), however long, cycles the axes x -> y -> z.
    const D3DXVECTOR3 diagonal(3.0f, 3.0f, 3.0f);
    D3DXMATRIX m;
    D3DXMatrixRotationAxis(&m, &diagonal, 2.0f * D3DX_PI / 3.0f);
    ExpectVectorNear({0.0f, 1.0f, 0.0f}, TransformCoord({1.0f, 0.0f, 0.0f}, m));
    ExpectVectorNear({0.0f, 0.0f, 1.0f}, TransformCoord({0.0f, 1.0f, 0.0f}, m));

    // A zero axis gives no NaN: cos(angle) on the diagonal, as on the platform.
    const D3DXVECTOR3 zero(0.0f, 0.0f, 0.0f);
    D3DXMatrixRotationAxis(&m, &zero, 1.0f);
    const float c = std::cos(1.0f);
    ExpectMatrixNear(D3DXMATRIX(c, 0, 0, 0, 0, c, 0, 0, 0, 0, c, 0, 0, 0, 0, 1), m);
}

TEST(MathTransform, SinesAndCosinesAreCorrectlyRounded) {
    // glibc's sinf gives 0x3d6cdc68 for this angle; the platform gives the nearest float.
    const float angle = math_test::FromBits(0x3d6cfe40);
    D3DXMATRIX m;
    D3DXMatrixRotationX(&m, angle);
    EXPECT_EQ(0x3d6cdc67u, math_test::Bits(m._23));
    EXPECT_EQ(0xbd6cdc67u, math_test::Bits(m._32));
    EXPECT_EQ(0x3f7f9255u, math_test::Bits(m._22));
}

TEST(MathTransform, RotationAxisMatchesThePlatformBitForBit) {
    // Measured from the platform's library. Above the diagonal it forms (1 - cos) y x rather
    // than (1 - cos) x y, which rounds differently here in elements _12, _13 and _23.
    const D3DXVECTOR3 axis(math_test::FromBits(0x3fdffa68), math_test::FromBits(0xbf7a8768),
                           math_test::FromBits(0xbfa56e85));
    D3DXMATRIX m;
    D3DXMatrixRotationAxis(&m, &axis, math_test::FromBits(0x402eb240));
    const std::uint32_t expected[16] = {
        0x3deb4700, 0xbf4b2e85, 0xbf18eea8, 0, 0xbeb83558, 0xbf18027f, 0x3f383e79, 0,
        0xbf6d0a37, 0x3e076c96, 0xbeb520dc, 0, 0,          0,          0,          0x3f800000};
    math_test::ExpectMatrixBits(expected, m);
}

TEST(MathTransform, InverseUndoesTheMatrix) {
    const D3DXMATRIX m = General();
    D3DXMATRIX inverse;
    float determinant = 0.0f;
    ASSERT_EQ(&inverse, D3DXMatrixInverse(&inverse, &determinant, &m));
    ExpectMatrixNear(Identity(), inverse * m, 1e-4f);
    ExpectMatrixNear(Identity(), m * inverse, 1e-4f);

    // The determinant of a scale is the product of its factors; translation adds nothing.
    const D3DXMATRIX scale_move = Scaling(2.0f, 3.0f, -4.0f) * Translation(5.0f, 6.0f, 7.0f);
    ASSERT_EQ(&inverse, D3DXMatrixInverse(&inverse, &determinant, &scale_move));
    EXPECT_FLOAT_EQ(-24.0f, determinant);
    ExpectMatrixNear(Translation(-5.0f, -6.0f, -7.0f) * Scaling(0.5f, 1.0f / 3.0f, -0.25f),
                     inverse);

    // The determinant output is optional.
    EXPECT_EQ(&inverse, D3DXMatrixInverse(&inverse, NULL, &m));
}

TEST(MathTransform, SingularInverseGivesNullAndTouchesNothing) {
    const D3DXMATRIX singular[] = {
        D3DXMATRIX(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
        Scaling(1.0f, 0.0f, 1.0f),
        // Rows 1 and 3 equal, though no row or column is zero.
        D3DXMATRIX(1, 2, 3, 0, 4, 5, 6, 0, 1, 2, 3, 0, 7, 8, 9, 1),
        // The determinant underflows to zero in single precision.
        D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1e-30f, 0, 0, 0, 0, 1e-30f),
    };
    for (const D3DXMATRIX& m : singular) {
        D3DXMATRIX out = math_test::SentinelMatrix();
        float determinant = math_test::kSentinel;
        EXPECT_EQ(nullptr, D3DXMatrixInverse(&out, &determinant, &m));
        ExpectSentinelMatrix(out);
        EXPECT_EQ(math_test::kSentinel, determinant);
    }
}

TEST(MathTransform, OutputsMayAliasInputs) {
    const D3DXMATRIX a = General();
    const D3DXMATRIX b = Scaling(2.0f, 3.0f, 4.0f) * Translation(1.0f, -1.0f, 2.0f);
    D3DXMATRIX expected;
    D3DXMatrixMultiply(&expected, &a, &b);

    D3DXMATRIX left = a;
    EXPECT_EQ(&left, D3DXMatrixMultiply(&left, &left, &b));
    EXPECT_EQ(expected, left);
    D3DXMATRIX right = b;
    D3DXMatrixMultiply(&right, &a, &right);
    EXPECT_EQ(expected, right);
    D3DXMATRIX both = a;
    D3DXMatrixMultiply(&expected, &a, &a);
    D3DXMatrixMultiply(&both, &both, &both);
    EXPECT_EQ(expected, both);

    D3DXMATRIX transposed = a;
    D3DXMatrixTranspose(&transposed, &transposed);
    for (UINT row = 0; row < 4; ++row) {
        for (UINT col = 0; col < 4; ++col) {
            EXPECT_EQ(a(col, row), transposed(row, col));
        }
    }

    D3DXMATRIX inverse;
    D3DXMatrixInverse(&inverse, NULL, &a);
    D3DXMATRIX in_place = a;
    D3DXMatrixInverse(&in_place, NULL, &in_place);
    EXPECT_EQ(inverse, in_place);
}

TEST(MathTransform, IdentityIsExact) {
    D3DXMATRIX m = math_test::SentinelMatrix();
    EXPECT_EQ(&m, D3DXMatrixIdentity(&m));
    EXPECT_TRUE(D3DXMatrixIsIdentity(&m));
    for (UINT row = 0; row < 4; ++row) {
        for (UINT col = 0; col < 4; ++col) {
            EXPECT_EQ(row == col ? 1.0f : 0.0f, m(row, col));
            D3DXMATRIX nudged = m;
            nudged(row, col) += 1e-6f;
            EXPECT_FALSE(D3DXMatrixIsIdentity(&nudged)) << row << "," << col;
        }
    }
    EXPECT_FALSE(D3DXMatrixIsIdentity(NULL));
}

TEST(MathTransform, NullPointersGiveNull) {
    D3DXMATRIX m = Identity();
    const D3DXVECTOR3 axis(0.0f, 1.0f, 0.0f);
    EXPECT_EQ(nullptr, D3DXMatrixIdentity(NULL));
    EXPECT_EQ(nullptr, D3DXMatrixMultiply(NULL, &m, &m));
    EXPECT_EQ(nullptr, D3DXMatrixMultiply(&m, NULL, &m));
    EXPECT_EQ(nullptr, D3DXMatrixMultiply(&m, &m, NULL));
    EXPECT_EQ(nullptr, D3DXMatrixInverse(NULL, NULL, &m));
    EXPECT_EQ(nullptr, D3DXMatrixInverse(&m, NULL, NULL));
    EXPECT_EQ(nullptr, D3DXMatrixTranspose(NULL, &m));
    EXPECT_EQ(nullptr, D3DXMatrixTranspose(&m, NULL));
    EXPECT_EQ(nullptr, D3DXMatrixTranslation(NULL, 1.0f, 2.0f, 3.0f));
    EXPECT_EQ(nullptr, D3DXMatrixScaling(NULL, 1.0f, 2.0f, 3.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationX(NULL, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationY(NULL, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationZ(NULL, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationAxis(NULL, &axis, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationAxis(&m, NULL, 1.0f));
    EXPECT_TRUE(D3DXMatrixIsIdentity(&m));
}

} // namespace
