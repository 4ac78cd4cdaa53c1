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
    const D3DXVECTOR3 clustered[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {4, 0, 0}};
    const Sphere s = Compute(clustered, 4, sizeof(D3DXVECTOR3));
    EXPECT_EQ(D3D_OK, s.result);
    ExpectVectorNear({1.0f, 0.0f, 0.0f}, s.center);
    EXPECT_FLOAT_EQ(3.0f, s.radius);
}

TEST(MathBoundingSphere, StrideSkipsTheRestOfEachVertex) {
    // Position, normal, texture coordinates: only the first three floats of each vertex count.
    struct Vertex {
        float position[3];
        float normal[3];
        float uv[2];
    };
    const Vertex vertices[] = {{{-2, 0, 0}, {900, 900, 900}, {-50, 7}},
                               {{2, 0, 0}, {-900, 0, 0}, {50, 7}},
                               {{0, 3, 0}, {0, -900, 1}, {0, 0}}};
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

    // Stride 0 reads the first vertex every time.
    const D3DXVECTOR3 pair[] = {{5, 5, 5}, {100, 0, 0}};
    const Sphere z = Compute(pair, 2, 0);
    ExpectVectorNear(pair[0], z.center);
    EXPECT_EQ(0.0f, z.radius);
}

} // namespace
