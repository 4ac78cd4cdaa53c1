// Adjacency: from the loader and from GenerateAdjacency, with corners matched by vertex or by
// position within epsilon.
#include "mesh_test_support.h"

namespace d3dx_test {
namespace {

using MeshAdjacency = MeshTest;

// A closed box of 8 corners and 6 quads with one normal each (split to 24 vertices).
const char* const kBox = R"(
Mesh Box {
  8;
  -1.0; -1.0; -1.0;, 1.0; -1.0; -1.0;, 1.0; 1.0; -1.0;, -1.0; 1.0; -1.0;,
  -1.0; -1.0; 1.0;, 1.0; -1.0; 1.0;, 1.0; 1.0; 1.0;, -1.0; 1.0; 1.0;;
  6;
  4; 0, 3, 2, 1;, 4; 4, 5, 6, 7;, 4; 0, 1, 5, 4;,
  4; 2, 3, 7, 6;, 4; 0, 4, 7, 3;, 4; 1, 2, 6, 5;;
  MeshNormals {
    6;
    0.0; 0.0; -1.0;, 0.0; 0.0; 1.0;, 0.0; -1.0; 0.0;,
    0.0; 1.0; 0.0;, -1.0; 0.0; 0.0;, 1.0; 0.0; 0.0;;
    6;
    4; 0, 0, 0, 0;, 4; 1, 1, 1, 1;, 4; 2, 2, 2, 2;,
    4; 3, 3, 3, 3;, 4; 4, 4, 4, 4;, 4; 5, 5, 5, 5;;
  }
}
)";

// Two triangles whose shared edge is written twice, the second copy `gap` away along z.
std::string TwoTriangles(std::string_view gap) {
    return XFile(R"(
Mesh Pair {
  6;
  0.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 0.0; 0.0;,
  1.0; 0.0; )" + std::string(gap) +
                 ";, 0.0; 1.0; " + std::string(gap) + R"(;, 1.0; 1.0; 0.0;;
  2;
  3; 0, 1, 2;, 3; 3, 4, 5;;
}
)");
}

TEST_F(MeshAdjacency, AClosedBoxIsAdjacentAcrossItsSplitVertices) {
    Loaded loaded;
    LoadOk(XFile(kBox), loaded);
    std::vector<DWORD> adjacency = loaded.Adjacency();
    ASSERT_EQ(adjacency.size(), 36u);
    for (DWORD face = 0; face < 12; ++face) {
        for (DWORD edge = 0; edge < 3; ++edge) {
            DWORD other = adjacency[3 * face + edge];
            ASSERT_LT(other, 12u) << "face " << face << " edge " << edge;
            EXPECT_NE(other, face);
            // The neighbour lists this face back.
            int back = 0;
            for (DWORD e = 0; e < 3; ++e) {
                back += adjacency[3 * other + e] == face;
            }
            EXPECT_EQ(back, 1) << face << " / " << other;
        }
    }
    EXPECT_EQ(Generated(loaded.mesh), adjacency);
}

TEST_F(MeshAdjacency, EdgesAreNumberedFromTheirFirstCorner) {
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Quad {
  4; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;
  1; 4; 0, 1, 2, 3;;
}
)"),
           loaded);
    // (0,1,2) meets (0,2,3) across its edge 2 (2 -> 0), which is their edge 0 (0 -> 2).
    EXPECT_EQ(loaded.Adjacency(), (std::vector<DWORD>{kNone, kNone, 1, 0, kNone, kNone}));
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
}

TEST_F(MeshAdjacency, EachEdgeGetsOneNeighbourAtMost) {
    // Three triangles on one edge (0 -> 1 once, 1 -> 0 twice) and a degenerate one.
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Fan {
  5;
  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 0.0; -1.0; 0.0;, 0.0; 0.0; 1.0;;
  4;
  3; 0, 1, 2;, 3; 1, 0, 3;, 3; 1, 0, 4;, 3; 0, 0, 0;;
}
)"),
           loaded);
    std::vector<DWORD> adjacency = loaded.Adjacency();
    EXPECT_EQ(adjacency[0], 1u) << "the first face across the edge wins";
    EXPECT_EQ(adjacency[3], 0u);
    EXPECT_EQ(adjacency[6], kNone);
    EXPECT_EQ(Generated(loaded.mesh), adjacency);
}

TEST_F(MeshAdjacency, GenerateAdjacencyNeedsAnArray) {
    Loaded loaded;
    LoadOk(XFile(kBox), loaded);
    EXPECT_EQ(loaded.mesh->GenerateAdjacency(0.0f, nullptr), D3DERR_INVALIDCALL);
}

} // namespace
} // namespace d3dx_test
