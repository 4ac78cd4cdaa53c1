// Frames and several meshes in one file: transforms baked into the vertices, and the meshes
// merged into one with their indices, materials and adjacency shifted.
#include "mesh_test_support.h"

namespace d3dx_test {
namespace {

using MeshFrames = MeshTest;

// A triangle at (1,0,0), (0,1,0), (0,0,1) with one normal, named `name`.
std::string Triangle(std::string_view name) {
    return "Mesh " + std::string(name) +
           " { 3; 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 0.0; 0.0; 1.0;; 1; 3; 0, 1, 2;;\n"
           "  MeshNormals { 1; 1.0; 0.0; 0.0;; 1; 3; 0, 0, 0;; }\n"
           "  MeshTextureCoords { 3; 0.5; 0.25;, 0.0; 1.0;, 1.0; 0.0;; }\n}\n";
}

std::string Matrix(std::string_view rows) {
    return "FrameTransformMatrix {\n" + std::string(rows) + ";;\n}\n";
}

constexpr std::string_view kMove100 =
    "1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 100.0,0.0,0.0,1.0";

TEST_F(MeshFrames, InnerFramesActFirstAndAMatrixPlacesOnlyWhatFollowsIt) {
    Loaded loaded;
    LoadOk(XFile("Frame Moved {\n" + Matrix(kMove100) + "Frame Stretched {\n" +
                 Matrix("2.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0") +
                 "Frame Turned {\n" +
                 Matrix("0.0,1.0,0.0,0.0, -1.0,0.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0") +
                 Triangle("Deep") + "}\n}\n}\n" + Triangle("Loose") + "Frame F {\n" +
                 Triangle("Before") + Matrix(kMove100) + Triangle("After") + "}\n"),
           loaded);
    std::vector<ReadVertex> vertices = Vertices(loaded.mesh);
    ASSERT_EQ(vertices.size(), 12u);
    // (1,0,0) turned to (0,1,0), stretched along x (no change), moved by 100 along x.
    EXPECT_EQ(vertices[0].position, (Vec3{100, 1, 0}));
    EXPECT_EQ(vertices[1].position, (Vec3{98, 0, 0}));
    EXPECT_EQ(vertices[2].position, (Vec3{100, 0, 1}));
    // Normals are turned (3x3 part only), never moved; texture coordinates stay.
    EXPECT_EQ(vertices[0].normal, (Vec3{0, 1, 0}));
    EXPECT_EQ(vertices[9].normal, (Vec3{1, 0, 0}));
    EXPECT_EQ(vertices[0].u, 0.5f);
    EXPECT_EQ(vertices[0].v, 0.25f);
    // The mesh outside every frame stays where it is; so does one before its frame's matrix.
    EXPECT_EQ(vertices[3].position, (Vec3{1, 0, 0}));
    EXPECT_EQ(vertices[5].position, (Vec3{0, 0, 1}));
    EXPECT_EQ(vertices[6].position, (Vec3{1, 0, 0}));
    EXPECT_EQ(vertices[9].position, (Vec3{101, 0, 0}));
}

TEST_F(MeshFrames, MeshesMergeWithShiftedIndicesMaterialsAndAdjacency) {
    // Two quads, the first with one material, the second with two of which it uses the
    // second; then a triangle with no list, placed again by a frame.
    Loaded loaded;
    LoadOk(XFile("Mesh First { 4; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;"
                 " 1; 4; 0, 1, 2, 3;; MeshMaterialList { 1; 1; 0;; " +
                 MaterialText(1, 0, 0) +
                 "} }\nMesh Second { 4; 5.0; 0.0; 0.0;, 6.0; 0.0; 0.0;, 6.0; 1.0; 0.0;, 5.0; 1.0;"
                 " 0.0;; 1; 4; 0, 1, 2, 3;; MeshMaterialList { 2; 1; 1;; " +
                 MaterialText(0, 1, 0) + MaterialText(0, 0, 1) + "} }\n" + Triangle("Third") +
                 "Frame F {\n" + Matrix(kMove100) + "{ Third }\n}\n"),
           loaded);
    ID3DXMesh* mesh = loaded.mesh;
    EXPECT_EQ(mesh->GetNumVertices(), 14u);
    EXPECT_EQ(mesh->GetFVF(), DWORD{D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1});
    EXPECT_EQ(Indices(mesh),
              (std::vector<DWORD>{0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Attributes(mesh), (std::vector<DWORD>{0, 0, 2, 2, 3, 3}));
    EXPECT_EQ(loaded.materialCount, 3u);
    std::vector<ReadVertex> vertices = Vertices(mesh);
    EXPECT_EQ(vertices[4].normal, (Vec3{0, 0, 0})) << "a mesh without normals gets zeros";
    EXPECT_EQ(vertices[8].normal, (Vec3{1, 0, 0}));
    EXPECT_EQ(vertices[11].position, (Vec3{101, 0, 0}));
    EXPECT_EQ(loaded.Adjacency(),
              (std::vector<DWORD>{kNone, kNone, 1, 0, kNone, kNone, kNone, kNone, 3, 2, kNone,
                                  kNone, kNone, kNone, kNone, kNone, kNone, kNone}));
}

} // namespace
} // namespace d3dx_test
