// The maths functions beyond what the conformance run compares: null pointers; plane distance
// and normalising; bounding spheres over strides of 0 or misaligned; rotations about y,
// look-at, transpose and the identity test; an inverse whose determinant underflows; and
// last-place rounding of the functions and operators.
#include <d3d9.h>
#include <d3dx9math.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// Written into outputs beforehand, so that an output left alone shows.
constexpr float kSentinel = 12345.5f;

std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float FromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ExpectVectorNear(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual,
                      float tolerance = 1e-5f) {
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}

D3DXVECTOR3 TransformCoord(const D3DXVECTOR3& v, const D3DXMATRIX& m) {
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &v, &m);
    return out;
}

TEST(MathNullPointers, GiveNullOrZeroAndTouchNothing) {
    D3DXMATRIX m;
    D3DXMatrixIdentity(&m);
    D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    D3DXPLANE plane(0.0f, 0.0f, 1.0f, 0.0f);

    const void* results[] = {
        D3DXMatrixIdentity(NULL),
        D3DXMatrixMultiply(&m, &m, NULL),
        D3DXMatrixInverse(&m, NULL, NULL),
        D3DXMatrixTranspose(&m, NULL),
        D3DXMatrixTranslation(NULL, 1.0f, 2.0f, 3.0f),
        D3DXMatrixScaling(NULL, 1.0f, 2.0f, 3.0f),
        D3DXMatrixRotationX(NULL, 1.0f),
        D3DXMatrixRotationY(NULL, 1.0f),
        D3DXMatrixRotationZ(NULL, 1.0f),
        D3DXMatrixRotationAxis(&m, NULL, 1.0f),
        D3DXMatrixPerspectiveFovLH(NULL, 1.0f, 1.0f, 1.0f, 2.0f),
        D3DXMatrixLookAtLH(&m, &v, &v, NULL),
        D3DXVec3TransformCoord(&v, &v, NULL),
        D3DXVec3TransformNormal(&v, NULL, &m),
        D3DXVec3Normalize(&v, NULL),
        D3DXVec3Cross(&v, NULL, &v),
        D3DXVec3Add(&v, NULL, &v),
        D3DXVec3Subtract(&v, &v, NULL),
        D3DXVec3Scale(NULL, &v, 2.0f),
        D3DXPlaneIntersectLine(&v, &plane, &v, NULL),
        D3DXPlaneFromPointNormal(&plane, NULL, &v),
        D3DXPlaneNormalize(&plane, NULL),
    };
    for (const void* result : results) {
        EXPECT_EQ(nullptr, result);
    }
    EXPECT_EQ(D3DXVECTOR3(1.0f, 2.0f, 3.0f), v);
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 1.0f, 0.0f), plane);
    EXPECT_TRUE(D3DXMatrixIsIdentity(&m));
    EXPECT_FALSE(D3DXMatrixIsIdentity(NULL));
    for (float zero : {D3DXVec3Dot(&v, NULL), D3DXVec3Length(NULL), D3DXVec3LengthSq(NULL),
                       D3DXPlaneDotCoord(NULL, &v),
                       D3DXPlaneDotCoord(&plane, static_cast<const D3DXVECTOR4*>(NULL))}) {
        EXPECT_EQ(0.0f, zero);
    }

    // Constructors from a null array give zeros.
    EXPECT_EQ(D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(static_cast<const FLOAT*>(NULL)));
    EXPECT_EQ(D3DXCOLOR(0.0f, 0.0f, 0.0f, 0.0f), D3DXCOLOR(static_cast<const FLOAT*>(NULL)));
}

TEST(MathPlane, SignedDistanceAndNormalise) {
    D3DXPLANE plane(0.0f, 0.0f, 2.0f, -6.0f);
    const D3DXVECTOR3 above(7.0f, -1.0f, 5.0f);
    EXPECT_FLOAT_EQ(4.0f, D3DXPlaneDotCoord(&plane, &above));
    // The Windows build's header takes a D3DXVECTOR4 and ignores w.
    const D3DXVECTOR4 below(0.0f, 0.0f, 1.0f, 100.0f);
    EXPECT_FLOAT_EQ(-4.0f, D3DXPlaneDotCoord(&plane, &below));

    plane = D3DXPLANE(0.0f, 3.0f, 4.0f, 10.0f);
    ASSERT_EQ(&plane, D3DXPlaneNormalize(&plane, &plane));
    EXPECT_EQ(D3DXPLANE(0.0f, 0.6f, 0.8f, 2.0f), plane);
    // A zero normal gives the zero plane, not NaN.
    const D3DXPLANE degenerate(0.0f, 0.0f, 0.0f, 3.0f);
    ASSERT_EQ(&plane, D3DXPlaneNormalize(&plane, &degenerate));
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 0.0f, 0.0f), plane);
}

TEST(MathBoundingSphere, MisalignedAndZeroStrides) {
    const D3DXVECTOR3 positions[] = {{-2, 0, 0}, {2, 0, 0}, {0, 3, 0}};
    // 13 bytes per vertex leaves every position but the first misaligned.
    std::vector<unsigned char> packed(3 * 13, 0xff);
    for (int i = 0; i < 3; ++i) {
        std::memcpy(&packed[i * 13], &positions[i], sizeof(D3DXVECTOR3));
    }
    D3DXVECTOR3 center;
    float radius = kSentinel;
    ASSERT_EQ(D3D_OK, D3DXComputeBoundingSphere(reinterpret_cast<const D3DXVECTOR3*>(packed.data()),
                                                3, 13, &center, &radius));
    ExpectVectorNear({0.0f, 1.0f, 0.0f}, center);
    EXPECT_FLOAT_EQ(std::sqrt(5.0f), radius);

    // Stride 0 reads the first vertex every time.
    ASSERT_EQ(D3D_OK, D3DXComputeBoundingSphere(positions, 3, 0, &center, &radius));
    ExpectVectorNear(positions[0], center);
    EXPECT_EQ(0.0f, radius);
}

// About y a quarter turn takes z to x (left-handed); the conformance run and the bit-exact
// test below cover the turns about z and x.
TEST(MathMatrix, QuarterTurnAboutYIsLeftHanded) {
    D3DXMATRIX m;
    ExpectVectorNear({1, 0, 0}, TransformCoord({0, 0, 1}, *D3DXMatrixRotationY(&m, D3DX_PI / 2)));
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

// The conformance run has the zero matrix and one with two equal rows; here the determinant
// underflows to zero in single precision.
TEST(MathMatrix, SingularInverseGivesNullAndTouchesNothing) {
    const D3DXMATRIX m(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1e-30f, 0, 0, 0, 0, 1e-30f);
    D3DXMATRIX out;
    std::fill_n(static_cast<FLOAT*>(out), 16, kSentinel);
    const D3DXMATRIX untouched = out;
    float determinant = kSentinel;
    EXPECT_EQ(nullptr, D3DXMatrixInverse(&out, &determinant, &m));
    EXPECT_EQ(untouched, out);
    EXPECT_EQ(kSentinel, determinant);
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
