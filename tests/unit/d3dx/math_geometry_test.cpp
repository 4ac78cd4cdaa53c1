// Planes and bounding spheres beyond what the conformance run compares: signed distance,
// normalising, lines that miss, and vertex strides of 0 or misaligned.
#include "math_test_support.h"

#include <d3d9.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using math_test::ExpectVectorNear;
using math_test::kSentinel;

TEST(MathPlane, DistanceNormaliseAndLinesThatMakeNoPoint) {
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

    // A line parallel to the plane, or two equal points, gives NULL and writes nothing.
    const D3DXPLANE ground(0.0f, 0.0f, 1.0f, 0.0f);
    const D3DXVECTOR3 a(0.0f, 0.0f, 1.0f), b(5.0f, -2.0f, 1.0f);
    const D3DXVECTOR3 untouched(kSentinel, kSentinel, kSentinel);
    D3DXVECTOR3 out = untouched;
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &ground, &a, &b));
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &ground, &a, &a));
    EXPECT_EQ(untouched, out);
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

} // namespace
