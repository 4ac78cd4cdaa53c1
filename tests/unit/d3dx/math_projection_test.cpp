// Camera matrices and the transformation of points and normals.
#include "math_test_support.h"

#include <cmath>
#include <cstdint>

namespace {

using math_test::ExpectMatrixBits;
using math_test::ExpectVectorNear;
using math_test::FromBits;
using math_test::TransformCoord;

D3DXMATRIX Projection(float fovy, float aspect, float zn, float zf) {
    D3DXMATRIX m;
    D3DXMatrixPerspectiveFovLH(&m, fovy, aspect, zn, zf);
    return m;
}

TEST(MathProjection, NearPlaneMapsToZeroAndFarPlaneToOne) {
    const float fovy = D3DX_PI / 4.0f;
    const float aspect = 4.0f / 3.0f;
    const D3DXMATRIX projection = Projection(fovy, aspect, 1.0f, 100.0f);
    EXPECT_NEAR(0.0f, TransformCoord({0.0f, 0.0f, 1.0f}, projection).z, 1e-6f);
    EXPECT_NEAR(1.0f, TransformCoord({0.0f, 0.0f, 100.0f}, projection).z, 1e-6f);
    const float middle = TransformCoord({0.0f, 0.0f, 50.0f}, projection).z;
    EXPECT_GT(middle, 0.9f);
    EXPECT_LT(middle, 1.0f);

    // The edges of the field of view land on the edges of the screen, at any depth.
    const float half_height = std::tan(fovy / 2.0f);
    for (float depth : {2.0f, 30.0f}) {
        const D3DXVECTOR3 corner(half_height * aspect * depth, half_height * depth, depth);
        const D3DXVECTOR3 projected = TransformCoord(corner, projection);
        EXPECT_NEAR(1.0f, projected.x, 1e-5f);
        EXPECT_NEAR(1.0f, projected.y, 1e-5f);
    }
    // w is the view depth: the matrix copies z into w and keeps no w of its own.
    EXPECT_EQ(1.0f, projection._34);
    EXPECT_EQ(0.0f, projection._44);
}

TEST(MathProjection, PerspectiveMatchesThePlatformBitForBit) {
    // Measured from the platform's library: x scale is 1 / (aspect tan(fovy / 2)), which
    // differs in the last place from (1 / tan(fovy / 2)) / aspect.
    const D3DXMATRIX m = Projection(FromBits(0x3f164f06), FromBits(0x3f9c656d),
                                    FromBits(0x3dc3f281), FromBits(0x43f926c1));
    const std::uint32_t expected[16] = {0x402d445f, 0, 0,          0, 0,          0x4053b4a0,
                                        0,          0, 0,          0, 0x3f80064b, 0x3f800000,
                                        0,          0, 0xbdc3fc23, 0};
    ExpectMatrixBits(expected, m);
}

TEST(MathProjection, LookAtPutsTheEyeAtTheOriginFacingTheTarget) {
    const D3DXVECTOR3 eye(2.0f, -6.0f, 5.0f);
    const D3DXVECTOR3 target(-1.0f, 4.0f, 0.5f);
    const D3DXVECTOR3 up(0.0f, 0.0f, 1.0f);
    D3DXMATRIX view;
    ASSERT_EQ(&view, D3DXMatrixLookAtLH(&view, &eye, &target, &up));
    ExpectVectorNear({0.0f, 0.0f, 0.0f}, TransformCoord(eye, view), 1e-5f);
    const D3DXVECTOR3 offset = target - eye;
    ExpectVectorNear({0.0f, 0.0f, D3DXVec3Length(&offset)}, TransformCoord(target, view), 1e-5f);
    // Something above the eye is up on screen.
    EXPECT_GT(TransformCoord(eye + up, view).y, 0.0f);
    // The view keeps lengths: its 3x3 part is a rotation.
    D3DXVECTOR3 turned;
    const D3DXVECTOR3 sample(1.0f, 2.0f, -2.0f);
    D3DXVec3TransformNormal(&turned, &sample, &view);
    EXPECT_FLOAT_EQ(3.0f, D3DXVec3Length(&turned));
}

TEST(MathProjection, LookAtMatchesThePlatformBitForBit) {
    // Measured from the platform's library: its up axis comes from the right axis before
    // that is normalised.
    const D3DXVECTOR3 eye(FromBits(0x3f2b46c0), FromBits(0x3e3fce60), FromBits(0x3fe8f42e));
    const D3DXVECTOR3 at(FromBits(0xbfad70b8), FromBits(0x3efcc1a8), FromBits(0x3f20bb60));
    const D3DXVECTOR3 up(FromBits(0xbe2fda80), FromBits(0x3f88eb9e), FromBits(0x3fdbae4c));
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    const std::uint32_t expected[16] = {
        0xbec81672, 0xbeaf4f16, 0xbf5abb88, 0, 0xbf4c57db, 0x3f169c87, 0x3e046d44, 0,
        0x3eeab35a, 0x3f3b88a0, 0xbf00d357, 0, 0xbed8b960, 0xbf9b6f26, 0x3fbb4c81, 0x3f800000};
    ExpectMatrixBits(expected, view);
}

TEST(MathProjection, TransformCoordDividesByW) {
    D3DXMATRIX m;
    D3DXMatrixTranslation(&m, 1.0f, 2.0f, 3.0f);
    m._44 = 2.0f;
    ExpectVectorNear({1.0f, 1.5f, 2.0f}, TransformCoord({1.0f, 1.0f, 1.0f}, m));
    // w taken from the fourth column, here w = z.
    m = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0);
    ExpectVectorNear({2.0f, -1.0f, 1.0f}, TransformCoord({8.0f, -4.0f, 4.0f}, m));
    // A w of 0 gives no number, as on the platform; nothing traps.
    const D3DXVECTOR3 lost = TransformCoord({0.0f, 0.0f, 0.0f}, m);
    EXPECT_TRUE(std::isnan(lost.x));
    // In place.
    D3DXVECTOR3 v(8.0f, -4.0f, 4.0f);
    EXPECT_EQ(&v, D3DXVec3TransformCoord(&v, &v, &m));
    ExpectVectorNear({2.0f, -1.0f, 1.0f}, v);
}

TEST(MathProjection, TransformNormalUsesOnlyTheUpperThreeByThree) {
    D3DXMATRIX m;
    D3DXMatrixRotationZ(&m, D3DX_PI / 2.0f);
    m._41 = 100.0f; // translation
    m._14 = 5.0f;   // would change w
    m._44 = 7.0f;
    D3DXVECTOR3 normal(2.0f, 0.0f, 3.0f);
    EXPECT_EQ(&normal, D3DXVec3TransformNormal(&normal, &normal, &m));
    ExpectVectorNear({0.0f, 2.0f, 3.0f}, normal);
}

TEST(MathProjection, NullPointersGiveNull) {
    D3DXMATRIX m;
    D3DXMatrixIdentity(&m);
    D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    EXPECT_EQ(nullptr, D3DXMatrixPerspectiveFovLH(NULL, 1.0f, 1.0f, 1.0f, 2.0f));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(NULL, &v, &v, &v));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(&m, NULL, &v, &v));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(&m, &v, NULL, &v));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(&m, &v, &v, NULL));
    EXPECT_EQ(nullptr, D3DXVec3TransformCoord(NULL, &v, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformCoord(&v, NULL, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformCoord(&v, &v, NULL));
    EXPECT_EQ(nullptr, D3DXVec3TransformNormal(NULL, &v, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformNormal(&v, NULL, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformNormal(&v, &v, NULL));
    EXPECT_TRUE(D3DXMatrixIsIdentity(&m));
    EXPECT_EQ(D3DXVECTOR3(1.0f, 2.0f, 3.0f), v);
}

} // namespace
