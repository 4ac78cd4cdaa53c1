#include "bench_scene.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace bench {
namespace {

TEST(BenchScene, HasTheAdvertisedAmountOfGeometry) {
    Scene scene = MakeScene(1016, 741);
    EXPECT_EQ(scene.meshIndices.size(), 3u * 200u);
    EXPECT_EQ(scene.gridVertices.size(), 2u * kGridLineCount);
    EXPECT_EQ(scene.texels.size(), std::size_t(kTextureSize) * kTextureSize);
    for (std::uint16_t index : scene.meshIndices) {
        ASSERT_LT(index, scene.meshVertices.size());
    }
    // Every mesh has a place of its own.
    std::set<std::tuple<float, float, float>> places;
    for (const D3DXMATRIX& world : scene.worlds) {
        places.insert({world._41, world._42, world._43});
    }
    EXPECT_EQ(places.size(), std::size_t(kMeshCount));
}

// Front faces are clockwise on screen: (v1 - v0) x (v2 - v0) must point out of the surface,
// the way the vertex normals point, or culling would show the torus's inside.
TEST(BenchScene, MeshTrianglesFaceOutwards) {
    Scene scene = MakeScene(1016, 741);
    for (std::size_t i = 0; i + 2 < scene.meshIndices.size(); i += 3) {
        const MeshVertex& a = scene.meshVertices[scene.meshIndices[i]];
        const MeshVertex& b = scene.meshVertices[scene.meshIndices[i + 1]];
        const MeshVertex& c = scene.meshVertices[scene.meshIndices[i + 2]];
        D3DXVECTOR3 e1(b.x - a.x, b.y - a.y, b.z - a.z), e2(c.x - a.x, c.y - a.y, c.z - a.z);
        D3DXVECTOR3 facing(e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z,
                           e1.x * e2.y - e1.y * e2.x);
        float nx = a.nx + b.nx + c.nx, ny = a.ny + b.ny + c.ny, nz = a.nz + b.nz + c.nz;
        EXPECT_GT(facing.x * nx + facing.y * ny + facing.z * nz, 0.0f) << "triangle " << i / 3;
    }
}

} // namespace
} // namespace bench
