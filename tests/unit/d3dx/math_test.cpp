// The maths functions beyond what the conformance run compares with the platform's library:
// null pointers, planes, transforms, transpose, identity, inverse, and last-place rounding.
#include <d3d9.h>
#include <d3dx9math.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(Math, NullPointersGiveNullOrZeroAndTouchNothing) {
    D3DXMATRIX m(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    D3DXPLANE p(0.0f, 0.0f, 1.0f, 0.0f);
    const void* results[] = {D3DXMatrixMultiply(&m, &m, NULL),
                             D3DXMatrixInverse(&m, NULL, NULL),
                             D3DXMatrixTranspose(&m, NULL),
                             D3DXVec3Normalize(&v, NULL),
                             D3DXPlaneIntersectLine(&v, &p, &v, NULL),
                             D3DXPlaneNormalize(&p, NULL)};
    for (const void* result : results) {
        EXPECT_EQ(nullptr, result);
    }
    EXPECT_EQ(D3DXVECTOR3(1.0f, 2.0f, 3.0f), v);
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 1.0f, 0.0f), p);
    EXPECT_FALSE(D3DXMatrixIsIdentity(NULL));
    EXPECT_EQ(0.0f, D3DXVec3Length(NULL) + D3DXPlaneDotCoord(NULL, &v));
}

TEST(Math, PlanesTransformsTransposeIdentityAndInverse) {
    D3DXPLANE plane(0.0f, 3.0f, 4.0f, 10.0f);
    const D3DXVECTOR3 point(7.0f, -1.0f, 5.0f);
    EXPECT_FLOAT_EQ(27.0f, D3DXPlaneDotCoord(&plane, &point));
    ASSERT_EQ(&plane, D3DXPlaneNormalize(&plane, &plane));
    EXPECT_EQ(D3DXPLANE(0.0f, 0.6f, 0.8f, 2.0f), plane);
    const D3DXPLANE degenerate(0.0f, 0.0f, 0.0f, 3.0f); // a zero normal gives no NaN
    EXPECT_EQ(D3DXPLANE(0, 0, 0, 0), *D3DXPlaneNormalize(&plane, &degenerate));

    const D3DXMATRIX m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    D3DXMATRIX t = m;
    EXPECT_EQ(&t, D3DXMatrixTranspose(&t, &t));
    EXPECT_EQ(std::pair(t._12, t._43), std::pair(5.0f, 12.0f));
    EXPECT_TRUE(D3DXMatrixIsIdentity(D3DXMatrixIdentity(&t)));
    t._43 = 1e-6f;
    EXPECT_FALSE(D3DXMatrixIsIdentity(&t));
    D3DXVECTOR3 v;
    EXPECT_EQ(D3DXVECTOR3(47, 58, 69), *D3DXVec3TransformNormal(&v, &point, &m));
    EXPECT_EQ(D3DXVECTOR3(0.625f, 0.75f, 0.875f), *D3DXVec3TransformCoord(&v, &point, &m));
    const D3DXMATRIX moved(2, 0, 0, 0, 0, 4, 0, 0, 0, 1, 8, 0, 2, 4, 8, 1);
    float determinant = 0.0f;
    D3DXMatrixMultiply(&t, D3DXMatrixInverse(&t, &determinant, &moved), &moved);
    EXPECT_TRUE(D3DXMatrixIsIdentity(&t)); // all exact in binary
    EXPECT_EQ(64.0f, determinant);
    // A determinant that underflows in single precision: no inverse, nothing written.
    const D3DXMATRIX tiny(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1e-30f, 0, 0, 0, 0, 1e-30f);
    determinant = 5.0f;
    EXPECT_EQ(nullptr, D3DXMatrixInverse(&t, &determinant, &tiny));
    EXPECT_EQ(5.0f, determinant);
}

TEST(Math, PerspectiveMatchesThePlatform) {
    // Measured from the platform's library, whose order of operations rounds differently from
    // the obvious one in the last place (beyond what the conformance comparison notices).
    D3DXMATRIX m;
    D3DXMatrixPerspectiveFovLH(&m, 0.587143302f, 1.22184527f, 0.0956773832f, 498.302765f);
    std::vector<std::uint32_t> bits; // the 16 elements row by row
    for (int i = 0; i < 16; ++i) {
        bits.push_back(Bits((&m._11)[i]));
    }
    EXPECT_EQ(bits, (std::vector<std::uint32_t>{0x402d445f, 0, 0, 0, 0, 0x4053b4a0, 0, 0, 0, 0,
                                                0x3f80064b, 0x3f800000, 0, 0, 0xbdc3fc23, 0}));
}

} // namespace
