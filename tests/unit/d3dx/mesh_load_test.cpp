// Loading the geometry of .x meshes: vertices, triangulation, normals, texture coordinates,
// vertex colours, index size and the buffers the loader hands back.
#include "mesh_test_support.h"

#include <algorithm>
#include <set>

namespace d3dx_test {
namespace {

using MeshLoad = MeshTest;

const char* const kTriangle = R"(
Mesh Tri {
  3;
  0.0; 0.0; 0.0;,
  1.0; 0.0; 0.0;,
  0.0; 1.0; 0.0;;
  1;
  3; 0, 1, 2;;
}
)";

// Eight corners, six quads, one normal per quad.
const char* const kCube = R"(
Mesh Cube {
  8;
  -1.0; -1.0; -1.0;, 1.0; -1.0; -1.0;, 1.0; 1.0; -1.0;, -1.0; 1.0; -1.0;,
  -1.0; -1.0; 1.0;, 1.0; -1.0; 1.0;, 1.0; 1.0; 1.0;, -1.0; 1.0; 1.0;;
  6;
  4; 0, 3, 2, 1;,
  4; 4, 5, 6, 7;,
  4; 0, 1, 5, 4;,
  4; 2, 3, 7, 6;,
  4; 0, 4, 7, 3;,
  4; 1, 2, 6, 5;;
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

TEST_F(MeshLoad, TriangleKeepsItsVerticesAndFace) {
    Loaded loaded;
    LoadOk(XFile(kTriangle), loaded);
    ID3DXMesh* mesh = loaded.mesh;
    EXPECT_EQ(mesh->GetFVF(), DWORD{D3DFVF_XYZ});
    EXPECT_EQ(mesh->GetNumBytesPerVertex(), 12u);
    EXPECT_EQ(mesh->GetNumVertices(), 3u);
    EXPECT_EQ(mesh->GetNumFaces(), 1u);
    EXPECT_EQ(mesh->GetOptions(), DWORD{D3DXMESH_MANAGED});
    EXPECT_EQ(Positions(mesh), (std::vector<Vec3>{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(Indices(mesh), (std::vector<DWORD>{0, 1, 2}));
    EXPECT_EQ(Attributes(mesh), (std::vector<DWORD>{0}));
    EXPECT_TRUE(Table(mesh).empty()) << "a loaded mesh has no attribute table yet";
}

TEST_F(MeshLoad, PolygonsBecomeFansInFileOrder) {
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Shapes {
  9;
  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 2.0; 1.0; 0.0;, 1.0; 2.0; 0.0;, 0.0; 1.0; 0.0;,
  5.0; 0.0; 0.0;, 6.0; 0.0; 0.0;, 6.0; 1.0; 0.0;, 5.0; 1.0; 0.0;;
  2;
  5; 0, 1, 2, 3, 4;,
  4; 5, 6, 7, 8;;
}
)"),
           loaded);
    EXPECT_EQ(loaded.mesh->GetNumFaces(), 5u);
    EXPECT_EQ(Indices(loaded.mesh),
              (std::vector<DWORD>{0, 1, 2, 0, 2, 3, 0, 3, 4, 5, 6, 7, 5, 7, 8}));
    EXPECT_EQ(loaded.mesh->GetNumVertices(), 9u);
}

TEST_F(MeshLoad, VerticesUsedWithSeveralNormalsAreCopiedInCornerOrder) {
    Loaded loaded;
    LoadOk(XFile(kCube), loaded);
    ID3DXMesh* mesh = loaded.mesh;
    ASSERT_EQ(mesh->GetFVF(), DWORD{D3DFVF_XYZ | D3DFVF_NORMAL});
    ASSERT_EQ(mesh->GetNumVertices(), 24u);
    std::vector<ReadVertex> vertices = Vertices(mesh);
    const std::vector<Vec3> corners{{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                                    {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};
    // The file's vertices come first, each with the normal of the first face using it.
    for (std::size_t i = 0; i < corners.size(); ++i) {
        EXPECT_EQ(vertices[i].position, corners[i]) << i;
    }
    EXPECT_EQ(vertices[0].normal, (Vec3{0, 0, -1}));
    EXPECT_EQ(vertices[4].normal, (Vec3{0, 0, 1}));
    // Face 2 (0, 1, 5, 4) is the first to need copies: one for each of its corners.
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t fileVertex[] = {0, 1, 5, 4};
        EXPECT_EQ(vertices[8 + k].position, corners[fileVertex[k]]) << k;
        EXPECT_EQ(vertices[8 + k].normal, (Vec3{0, -1, 0})) << k;
    }
    // Every corner of every face carries that face's normal.
    const std::vector<Vec3> faceNormals{{0, 0, -1}, {0, 0, 1},  {0, -1, 0},
                                        {0, 1, 0},  {-1, 0, 0}, {1, 0, 0}};
    std::vector<DWORD> indices = Indices(mesh);
    ASSERT_EQ(indices.size(), 36u);
    for (std::size_t t = 0; t < 12; ++t) {
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(vertices[indices[3 * t + c]].normal, faceNormals[t / 2]) << t;
        }
    }
}

TEST_F(MeshLoad, NormalsOfEqualValueShareAVertexAndUnusedVerticesGetZero) {
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Equal {
  5;
  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 1.0; 0.0;, 9.0; 9.0; 9.0;;
  2;
  3; 0, 2, 1;, 3; 1, 2, 3;;
  MeshNormals {
    3;
    0.0; 0.0; -2.0;, 0.0; 0.0; -1.0;, 0.0; 0.0; -1.0;;
    2;
    3; 0, 0, 0;, 3; 1, 2, 1;;
  }
}
)"),
           loaded);
    std::vector<ReadVertex> vertices = Vertices(loaded.mesh);
    ASSERT_EQ(vertices.size(), 5u) << "equal normal values must not split vertices";
    EXPECT_EQ(vertices[1].normal, (Vec3{0, 0, -1})) << "normals are normalised";
    EXPECT_EQ(vertices[4].normal, (Vec3{0, 0, 0}));
    EXPECT_EQ(vertices[4].position, (Vec3{9, 9, 9}));
}

TEST_F(MeshLoad, TextureCoordinatesAndColoursFollowTheirVertices) {
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Painted {
  4;
  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;
  2;
  3; 0, 1, 2;, 3; 0, 2, 3;;
  MeshNormals {
    2; 0.0; 0.0; 1.0;, 0.0; 1.0; 0.0;;
    2; 3; 0, 0, 0;, 3; 1, 1, 1;;
  }
  MeshTextureCoords {
    4; 0.0; 0.0;, 0.25; 0.5;, 1.0; 1.0;, -2.0; 3.5;;
  }
  MeshVertexColors {
    2;
    1; 1.0; 0.5; 0.0; 1.0;;,
    3; 2.0; -1.0; 0.25; 0.5;;;
  }
}
)"),
           loaded);
    ID3DXMesh* mesh = loaded.mesh;
    EXPECT_EQ(mesh->GetFVF(), DWORD{D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1});
    EXPECT_EQ(mesh->GetNumBytesPerVertex(), 36u);
    std::vector<ReadVertex> vertices = Vertices(mesh);
    ASSERT_EQ(vertices.size(), 6u); // vertices 0 and 2 get a copy for the second normal
    EXPECT_EQ(vertices[1].u, 0.25f);
    EXPECT_EQ(vertices[1].v, 0.5f);
    EXPECT_EQ(vertices[3].u, -2.0f);
    EXPECT_EQ(vertices[3].v, 3.5f);
    EXPECT_EQ(vertices[4].position, (Vec3{0, 0, 0}));
    EXPECT_EQ(vertices[5].u, 1.0f) << "a copy keeps its vertex's texture coordinate";
    EXPECT_EQ(vertices[1].color, D3DCOLOR_ARGB(255, 255, 128, 0));
    EXPECT_EQ(vertices[3].color, D3DCOLOR_ARGB(128, 255, 0, 64)) << "colours are clamped";
    EXPECT_EQ(vertices[0].color, D3DCOLOR_ARGB(0, 255, 255, 255)) << "no colour given";
}

TEST_F(MeshLoad, IndexSizeFollowsTheOptionAndLimitsSixteenBitMeshes) {
    Loaded wide;
    LoadOk(XFile(kTriangle), wide, D3DXMESH_MANAGED | D3DXMESH_32BIT);
    EXPECT_EQ(Indices(wide.mesh), (std::vector<DWORD>{0, 1, 2}));
    IDirect3DIndexBuffer9* ib = nullptr;
    ASSERT_EQ(wide.mesh->GetIndexBuffer(&ib), D3D_OK);
    D3DINDEXBUFFER_DESC desc{};
    EXPECT_EQ(ib->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Format, D3DFMT_INDEX32);
    EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);
    ib->Release();

    // 65536 vertices (one face uses three of them) are too many for 16-bit indices.
    std::string text = "Mesh Big {\n65536;\n";
    for (int i = 0; i < 65536; ++i) {
        text += "0.0;0.0;0.0;,";
    }
    text.back() = ';';
    text += ";\n1;\n3;0,1,2;;\n}\n";
    Loaded narrow;
    Load(XFile(text), narrow);
    EXPECT_EQ(narrow.hr, D3DERR_INVALIDCALL);
    EXPECT_EQ(narrow.mesh, nullptr);
    Loaded big;
    LoadOk(XFile(text), big, D3DXMESH_SYSTEMMEM | D3DXMESH_32BIT);
    EXPECT_EQ(big.mesh->GetNumVertices(), 65536u);
}

TEST_F(MeshLoad, HandsBackTheBuffersAskedFor) {
    Loaded loaded;
    LoadOk(XFile(kCube), loaded);
    ASSERT_NE(loaded.adjacency, nullptr);
    EXPECT_EQ(loaded.adjacency->GetBufferSize(), 12u * 3 * sizeof(DWORD));
    ASSERT_NE(loaded.materials, nullptr);
    EXPECT_EQ(loaded.materialCount, 1u);
    EXPECT_EQ(loaded.materials->GetBufferSize(), sizeof(D3DXMATERIAL));

    IDirect3DDevice9* owner = nullptr;
    ASSERT_EQ(loaded.mesh->GetDevice(&owner), D3D_OK);
    EXPECT_EQ(owner, device);
    owner->Release();

    // Only the mesh is required; effect instances are never produced.
    TempFile file(XFile(kTriangle));
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer* effects = reinterpret_cast<ID3DXBuffer*>(std::uintptr_t{1});
    ASSERT_EQ(D3DXLoadMeshFromXA(file.Path(), D3DXMESH_MANAGED, device, nullptr, nullptr, &effects,
                                 nullptr, &mesh),
              D3D_OK);
    EXPECT_EQ(effects, nullptr);
    EXPECT_EQ(mesh->Release(), 0u);
}

TEST_F(MeshLoad, MemoryAndFileGiveTheSameMesh) {
    std::string text = XFile(kCube);
    Loaded fromFile;
    LoadOk(text, fromFile);
    ID3DXMesh* fromMemory = nullptr;
    ASSERT_EQ(D3DXLoadMeshFromXInMemory(text.data(), static_cast<DWORD>(text.size()),
                                        D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                        nullptr, &fromMemory),
              D3D_OK);
    EXPECT_EQ(Positions(fromMemory), Positions(fromFile.mesh));
    EXPECT_EQ(Indices(fromMemory), Indices(fromFile.mesh));
    fromMemory->Release();
}

} // namespace
} // namespace d3dx_test
