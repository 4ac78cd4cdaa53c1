// Frames and several meshes in one file: transforms baked into the vertices, and the meshes
// merged into one with their indices, materials and adjacency shifted.
#include "mesh_test_support.h"

namespace d3dx_test {
namespace {

using MeshFrames = MeshTest;

// A triangle at (1,0,0), (0,1,0), (0,0,1) with one normal, named `name`.
std::string Triangle(std::string_view name) {
    return "Mesh " + std::string(name) + R"( {
  3;
  1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 0.0; 0.0; 1.0;;
  1;
  3; 0, 1, 2;;
  MeshNormals { 1; 1.0; 0.0; 0.0;; 1; 3; 0, 0, 0;; }
  MeshTextureCoords { 3; 0.5; 0.25;, 0.0; 1.0;, 1.0; 0.0;; }
}
)";
}

std::string Matrix(std::string_view rows) {
    return "FrameTransformMatrix {\n" + std::string(rows) + ";;\n}\n";
}

constexpr std::string_view kMove100 =
    "1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 100.0,0.0,0.0,1.0";
constexpr std::string_view kStretchX =
    "2.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0";
constexpr std::string_view kTurnZ =
    "0.0,1.0,0.0,0.0, -1.0,0.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0";

TEST_F(MeshFrames, AFrameMovesPositionsButOnlyTurnsNormals) {
    Loaded loaded;
    LoadOk(XFile("Frame F {\n" +
                 Matrix("0.0,1.0,0.0,0.0, -1.0,0.0,0.0,0.0, 0.0,0.0,1.0,0.0, 5.0,6.0,7.0,1.0") +
                 Triangle("T") + "}\n"),
           loaded);
    std::vector<ReadVertex> vertices = Vertices(loaded.mesh);
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[0].position, (Vec3{5, 7, 7}));
    EXPECT_EQ(vertices[1].position, (Vec3{4, 6, 7}));
    EXPECT_EQ(vertices[2].position, (Vec3{5, 6, 8}));
    for (const ReadVertex& v : vertices) {
        EXPECT_EQ(v.normal, (Vec3{0, 1, 0})) << "turned, not moved";
    }
    EXPECT_EQ(vertices[0].u, 0.5f) << "texture coordinates are untouched";
    EXPECT_EQ(vertices[0].v, 0.25f);
}

TEST_F(MeshFrames, NestedFramesPlaceInnerFirst) {
    Loaded loaded;
    LoadOk(XFile("Frame Moved {\n" + Matrix(kMove100) + "Frame Stretched {\n" + Matrix(kStretchX) +
                 "Frame Turned {\n" + Matrix(kTurnZ) + Triangle("Deep") + "}\n}\n}\n" +
                 Triangle("Loose")),
           loaded);
    std::vector<Vec3> positions = Positions(loaded.mesh);
    ASSERT_EQ(positions.size(), 6u);
    // (1,0,0) turned to (0,1,0), stretched along x (no change), moved by 100 along x.
    EXPECT_EQ(positions[0], (Vec3{100, 1, 0}));
    EXPECT_EQ(positions[1], (Vec3{98, 0, 0}));
    EXPECT_EQ(positions[2], (Vec3{100, 0, 1}));
    // The mesh outside every frame stays where it is.
    EXPECT_EQ(positions[3], (Vec3{1, 0, 0}));
    EXPECT_EQ(positions[5], (Vec3{0, 0, 1}));
}

TEST_F(MeshFrames, AMatrixPlacesOnlyWhatFollowsItInItsFrame) {
    Loaded loaded;
    LoadOk(XFile("Frame F {\n" + Triangle("Before") + Matrix(kMove100) + Triangle("After") + "}\n"),
           loaded);
    std::vector<Vec3> positions = Positions(loaded.mesh);
    ASSERT_EQ(positions.size(), 6u);
    EXPECT_EQ(positions[0], (Vec3{1, 0, 0}));
    EXPECT_EQ(positions[3], (Vec3{101, 0, 0}));
}

TEST_F(MeshFrames, MeshesMergeWithShiftedIndicesMaterialsAndAdjacency) {
    // First: a quad of four vertices and one material; second: a triangle with two
    // materials, the second of which its face uses; third: a triangle with no list.
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Quad {
  4;
  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;
  1;
  4; 0, 1, 2, 3;;
  MeshMaterialList { 1; 1; 0;; )" +
                 MaterialText(1, 0, 0) +
                 R"( }
}
Mesh Second {
  3;
  5.0; 0.0; 0.0;, 6.0; 0.0; 0.0;, 5.0; 1.0; 0.0;;
  1;
  3; 0, 1, 2;;
  MeshMaterialList { 2; 1; 1;; )" +
                 MaterialText(0, 1, 0) + MaterialText(0, 0, 1) + R"( }
}
)" + Triangle("Third")),
           loaded);
    ID3DXMesh* mesh = loaded.mesh;
    EXPECT_EQ(mesh->GetNumVertices(), 10u);
    EXPECT_EQ(mesh->GetNumFaces(), 4u);
    EXPECT_EQ(mesh->GetFVF(), DWORD{D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1});
    EXPECT_EQ(Indices(mesh), (std::vector<DWORD>{0, 1, 2, 0, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Attributes(mesh), (std::vector<DWORD>{0, 0, 2, 3}));
    EXPECT_EQ(loaded.materialCount, 3u);
    std::vector<ReadVertex> vertices = Vertices(mesh);
    EXPECT_EQ(vertices[4].normal, (Vec3{0, 0, 0})) << "a mesh without normals gets zeros";
    EXPECT_EQ(vertices[7].normal, (Vec3{1, 0, 0}));
    EXPECT_EQ(loaded.Adjacency(), (std::vector<DWORD>{kNone, kNone, 1, 0, kNone, kNone, kNone,
                                                      kNone, kNone, kNone, kNone, kNone}));
}

TEST_F(MeshFrames, AFrameMayPlaceANamedMeshAgain) {
    Loaded loaded;
    LoadOk(XFile(Triangle("Shared") + "Frame F {\n" + Matrix(kMove100) + "{ Shared }\n}\n"),
           loaded);
    std::vector<Vec3> positions = Positions(loaded.mesh);
    ASSERT_EQ(positions.size(), 6u);
    EXPECT_EQ(positions[0], (Vec3{1, 0, 0}));
    EXPECT_EQ(positions[3], (Vec3{101, 0, 0}));
    EXPECT_EQ(Indices(loaded.mesh), (std::vector<DWORD>{0, 1, 2, 3, 4, 5}));
}

} // namespace
} // namespace d3dx_test
