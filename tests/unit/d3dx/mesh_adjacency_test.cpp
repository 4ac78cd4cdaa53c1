// Adjacency beyond what the conformance files show: corners matched by position within an
// epsilon, and edges shared by more than two faces.
#include "mesh_test_support.h"

#include <limits>

namespace d3dx_test {
namespace {

using MeshAdjacency = MeshTest;

// Two triangles whose shared edge is written twice, the second copy `gap` away along z.
std::string TwoTriangles(std::string_view gap) {
    const std::string z(gap);
    return XFile("Mesh Pair { 6; 0.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 0.0; " + z +
                 ";, 0.0; 1.0; " + z + ";, 1.0; 1.0; 0.0;; 2; 3; 0, 1, 2;, 3; 3, 4, 5;; }\n");
}

TEST_F(MeshAdjacency, EpsilonDecidesWhichCornersMeet) {
    Loaded equal;
    LoadOk(TwoTriangles("0.0"), equal);
    std::vector<DWORD> joined{kNone, 1, kNone, 0, kNone, kNone};
    std::vector<DWORD> apart(6, kNone);
    EXPECT_EQ(equal.Adjacency(), joined) << "equal positions meet at epsilon 0";
    EXPECT_EQ(Generated(equal.mesh, 0.0f), joined);
    EXPECT_EQ(Generated(equal.mesh, -1.0f), apart) << "a negative epsilon matches vertices only";

    Loaded near;
    LoadOk(TwoTriangles("0.001"), near);
    EXPECT_EQ(near.Adjacency(), apart);
    EXPECT_EQ(Generated(near.mesh, 0.0005f), apart);
    EXPECT_EQ(Generated(near.mesh, 0.01f), joined);
    EXPECT_EQ(near.mesh->GenerateAdjacency(0.0f, nullptr), D3DERR_INVALIDCALL);

    // A corner that is not a number (a frame can overflow into one) meets nothing.
    float* positions = nullptr;
    ASSERT_EQ(near.mesh->LockVertexBuffer(0, reinterpret_cast<void**>(&positions)), D3D_OK);
    const DWORD stride = near.mesh->GetNumBytesPerVertex() / sizeof(float);
    positions[3 * stride + 2] = std::numeric_limits<float>::quiet_NaN();
    near.mesh->UnlockVertexBuffer();
    EXPECT_EQ(Generated(near.mesh, 0.01f), apart);
}

TEST_F(MeshAdjacency, EachEdgeGetsOneNeighbourAtMost) {
    // Three triangles on one edge (0 -> 1 once, 1 -> 0 twice) and a degenerate one.
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Fan {
  5; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 0.0; -1.0; 0.0;, 0.0; 0.0; 1.0;;
  4; 3; 0, 1, 2;, 3; 1, 0, 3;, 3; 1, 0, 4;, 3; 0, 0, 0;;
}
)"),
           loaded);
    std::vector<DWORD> adjacency = loaded.Adjacency();
    EXPECT_EQ(adjacency[0], 1u) << "the first face across the edge wins";
    EXPECT_EQ(adjacency[3], 0u);
    EXPECT_EQ(adjacency[6], kNone);
    EXPECT_EQ(Generated(loaded.mesh), adjacency);
}

} // namespace
} // namespace d3dx_test
