// Bounding spheres as the platform computes them: average centre, farthest distance.
#include "math_test_support.h"

#include <d3d9.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using math_test::ExpectVectorNear;
using math_test::kSentinel;

struct Sphere {
    HRESULT result;
    D3DXVECTOR3 center;
    float radius;
};

Sphere Compute(const void* first, DWORD count, DWORD stride) {
    Sphere s{E_FAIL, {kSentinel, kSentinel, kSentinel}, kSentinel};
    s.result = D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(first), count, stride,
                                         &s.center, &s.radius);
    return s;
}

TEST(MathBoundingSphere, CentreIsTheAverageNotTheMinimalSphere) {
    // Three points at the origin and one at x = 4: the smallest sphere would be centred at
    // x = 2 with radius 2; the platform's is centred at x = 1 with radius 3.
    const D3DXVECTOR3 clustered[] = {
        {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {4.0f, 0.0f, 0.0f}};
    const Sphere s = Compute(clustered, 4, sizeof(D3DXVECTOR3));
    EXPECT_EQ(D3D_OK, s.result);
    ExpectVectorNear({1.0f, 0.0f, 0.0f}, s.center);
    EXPECT_FLOAT_EQ(3.0f, s.radius);

    // The radius is the largest distance, whichever vertex has it.
    const D3DXVECTOR3 spread[] = {{1.0f, 1.0f, 1.0f}, {3.0f, 1.0f, 1.0f}, {2.0f, 7.0f, 1.0f}};
    const Sphere t = Compute(spread, 3, sizeof(D3DXVECTOR3));
    ExpectVectorNear({2.0f, 3.0f, 1.0f}, t.center);
    EXPECT_FLOAT_EQ(4.0f, t.radius);
}

TEST(MathBoundingSphere, StrideSkipsTheRestOfEachVertex) {
    // Position, normal, texture coordinates: only the first three floats of each vertex count.
    struct Vertex {
        float position[3];
        float normal[3];
        float uv[2];
    };
    const Vertex vertices[] = {{{-2.0f, 0.0f, 0.0f}, {900.0f, 900.0f, 900.0f}, {-50.0f, 7.0f}},
                               {{2.0f, 0.0f, 0.0f}, {-900.0f, 0.0f, 0.0f}, {50.0f, 7.0f}},
                               {{0.0f, 3.0f, 0.0f}, {0.0f, -900.0f, 1.0f}, {0.0f, 0.0f}}};
    const Sphere s = Compute(vertices, 3, sizeof(Vertex));
    EXPECT_EQ(D3D_OK, s.result);
    ExpectVectorNear({0.0f, 1.0f, 0.0f}, s.center);
    EXPECT_FLOAT_EQ(std::sqrt(5.0f), s.radius);

    // A stride that leaves positions misaligned: 13 bytes per vertex.
    std::vector<unsigned char> packed(3 * 13, 0xff);
    for (int i = 0; i < 3; ++i) {
        std::memcpy(&packed[i * 13], vertices[i].position, sizeof(vertices[i].position));
    }
    const Sphere u = Compute(packed.data(), 3, 13);
    ExpectVectorNear(s.center, u.center);
    EXPECT_EQ(s.radius, u.radius);
}

TEST(MathBoundingSphere, DegenerateCounts) {
    // One point: centred on it with radius 0.
    const D3DXVECTOR3 single(1.0f, -2.0f, 3.0f);
    Sphere s = Compute(&single, 1, sizeof(D3DXVECTOR3));
    EXPECT_EQ(D3D_OK, s.result);
    EXPECT_EQ(single, s.center);
    EXPECT_EQ(0.0f, s.radius);

    // Stride 0 reads the first vertex every time.
    const D3DXVECTOR3 pair[] = {{5.0f, 5.0f, 5.0f}, {100.0f, 0.0f, 0.0f}};
    s = Compute(pair, 2, 0);
    ExpectVectorNear(pair[0], s.center);
    EXPECT_EQ(0.0f, s.radius);

    // No vertices succeeds with a NaN centre and radius 0, as on the platform.
    s = Compute(&single, 0, sizeof(D3DXVECTOR3));
    EXPECT_EQ(D3D_OK, s.result);
    EXPECT_TRUE(std::isnan(s.center.x) && std::isnan(s.center.y) && std::isnan(s.center.z));
    EXPECT_EQ(0.0f, s.radius);
}

TEST(MathBoundingSphere, NullPointersAreAnInvalidCall) {
    const D3DXVECTOR3 points[] = {{0.0f, 0.0f, 0.0f}, {2.0f, 0.0f, 0.0f}};
    D3DXVECTOR3 center(kSentinel, kSentinel, kSentinel);
    float radius = kSentinel;
    EXPECT_EQ(D3DERR_INVALIDCALL, D3DXComputeBoundingSphere(NULL, 2, 12, &center, &radius));
    EXPECT_EQ(D3DERR_INVALIDCALL, D3DXComputeBoundingSphere(points, 2, 12, NULL, &radius));
    EXPECT_EQ(D3DERR_INVALIDCALL, D3DXComputeBoundingSphere(points, 2, 12, &center, NULL));
    EXPECT_EQ(static_cast<HRESULT>(0x8876086C), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXVECTOR3(kSentinel, kSentinel, kSentinel), center);
    EXPECT_EQ(kSentinel, radius);
}

} // namespace
