// Loading what the conformance files do not cover: vertex colours, the index size option,
// loading from memory, and the game's backslash-joined paths; and the buffers the loader
// hands out (D3DXCreateBuffer: zeroed bytes of the size asked, reference counted).
#include "mesh_test_support.h"

namespace d3dx_test {
namespace {

using MeshLoad = MeshTest;

const char* const kTriangle = "Mesh Tri { 3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;\n"
                              "1; 3; 0, 1, 2;; MeshMaterialList { 0; } }\n";

TEST_F(MeshLoad, VertexColoursAreClampedAndFollowTheirVertexIntoCopies) {
    Loaded loaded;
    LoadOk(XFile(R"(
Mesh Painted {
  4; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;
  2; 3; 0, 1, 2;, 3; 0, 2, 3;;
  MeshNormals { 2; 0.0; 0.0; 1.0;, 0.0; 1.0; 0.0;; 2; 3; 0, 0, 0;, 3; 1, 1, 1;; }
  MeshVertexColors { 2; 0; 1.0; 0.5; 0.0; 1.0;;, 3; 2.0; -1.0; 0.25; 0.5;;; }
}
)"),
           loaded);
    EXPECT_EQ(loaded.mesh->GetFVF(), DWORD{D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE});
    std::vector<ReadVertex> vertices = Vertices(loaded.mesh);
    ASSERT_EQ(vertices.size(), 6u); // vertices 0 and 2 get a copy for the second normal
    EXPECT_EQ(vertices[0].color, D3DCOLOR_ARGB(255, 255, 128, 0));
    EXPECT_EQ(vertices[3].color, D3DCOLOR_ARGB(128, 255, 0, 64)) << "colours are clamped";
    EXPECT_EQ(vertices[1].color, D3DCOLOR_ARGB(0, 255, 255, 255)) << "no colour given";
    EXPECT_EQ(vertices[4].position, (Vec3{0, 0, 0}));
    EXPECT_EQ(vertices[4].color, vertices[0].color) << "a copy keeps its vertex's colour";
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

TEST_F(MeshLoad, FromMemoryAsFromAFileWithoutEffects) {
    const std::string text = XFile(kTriangle);
    Loaded fromFile;
    LoadOk(text, fromFile);
    // Only the mesh is required; effect instances are never produced.
    ID3DXMesh* fromMemory = nullptr;
    ID3DXBuffer* effects = reinterpret_cast<ID3DXBuffer*>(std::uintptr_t{1});
    ASSERT_EQ(D3DXLoadMeshFromXInMemory(text.data(), static_cast<DWORD>(text.size()),
                                        D3DXMESH_MANAGED, device, nullptr, nullptr, &effects,
                                        nullptr, &fromMemory),
              D3D_OK);
    EXPECT_EQ(effects, nullptr);
    EXPECT_EQ(Positions(fromMemory), Positions(fromFile.mesh));
    EXPECT_EQ(Indices(fromMemory), Indices(fromFile.mesh));
    EXPECT_EQ(fromMemory->Release(), 0u);
}

TEST_F(MeshLoad, BackslashesInThePathSeparateFolders) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("rw_models_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "tri.x") << XFile(kTriangle);
    const std::string path =
        folder.parent_path().string() + "\\" + folder.filename().string() + "\\tri.x";
    ID3DXMesh* mesh = nullptr;
    EXPECT_EQ(D3DXLoadMeshFromXA(path.c_str(), D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                 nullptr, &mesh),
              D3D_OK);
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->GetNumFaces(), 1u);
    mesh->Release();
    std::filesystem::remove_all(folder);
}

TEST(MeshBuffer, HoldsZeroedBytesUntilTheLastRelease) {
    ID3DXBuffer* buffer = nullptr;
    ASSERT_EQ(D3DXCreateBuffer(40, &buffer), D3D_OK);
    EXPECT_EQ(buffer->GetBufferSize(), 40u);
    auto* bytes = static_cast<unsigned char*>(buffer->GetBufferPointer());
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    bytes[39] = 7; // the whole size is writable
    EXPECT_EQ(buffer->AddRef(), 2u);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(buffer->Release(), 0u);

    ASSERT_EQ(D3DXCreateBuffer(0, &buffer), D3D_OK);
    EXPECT_EQ(buffer->GetBufferSize(), 0u);
    EXPECT_NE(buffer->GetBufferPointer(), nullptr);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(D3DXCreateBuffer(4, nullptr), D3DERR_INVALIDCALL);
}

} // namespace
} // namespace d3dx_test
