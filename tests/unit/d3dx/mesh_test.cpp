// Meshes beyond what the conformance run compares with the platform's library: index sizes,
// adjacency within an epsilon, DrawSubset's draws, refused optimisations and the buffers handed
// out. The game's own models go through the vertex-cache order in the catalog and content tests.
#include "d3dx_test_support.h"

#include <algorithm>

namespace d3dx_test {
namespace {

using Mesh = MeshTest;

// Four triangles in a strip over vertices 0..5 with one normal and materials 0, 1, 1, 0, and
// vertex 6 unused.
const std::string kStrip = XFile(R"(Mesh Strip { 7; 0.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 0.0; 0.0;,
  1.0; 1.0; 0.0;, 2.0; 0.0; 0.0;, 2.0; 1.0; 0.0;, 9.0; 9.0; 9.0;;
  4; 3; 0, 1, 2;, 3; 2, 1, 3;, 3; 2, 3, 4;, 3; 4, 3, 5;;
  MeshNormals { 1; 0.0; 0.0; 1.0;; 4; 3; 0, 0, 0;, 3; 0, 0, 0;, 3; 0, 0, 0;, 3; 0, 0, 0;; }
  MeshMaterialList { 2; 4; 0, 1, 1, 0;; )" +
                                 MaterialText(1, 0, 0) + MaterialText(0, 1, 0) + "} }\n");

void SetAttributes(ID3DXMesh* mesh, const std::vector<DWORD>& attributes) {
    DWORD* data = nullptr;
    ASSERT_EQ(mesh->LockAttributeBuffer(0, &data), D3D_OK);
    std::copy(attributes.begin(), attributes.end(), data);
    ASSERT_EQ(mesh->UnlockAttributeBuffer(), D3D_OK);
}

DWORD TableSize(ID3DXMesh* mesh) {
    DWORD size = 0;
    EXPECT_EQ(mesh->GetAttributeTable(nullptr, &size), D3D_OK);
    return size;
}

TEST_F(Mesh, SixteenBitIndicesLimitTheVertices) {
    Loaded wide, narrow;
    // 65536 vertices are too many for 16-bit indices.
    std::string big = "Mesh Big {\n65536;\n";
    for (int i = 0; i < 65536; ++i) {
        big += "0.0;0.0;0.0;,";
    }
    big = XFile(big.substr(0, big.size() - 1) + ";;\n1;\n3;0,1,2;;\n}\n");
    Load(big, narrow);
    EXPECT_EQ(narrow.hr, D3DERR_INVALIDCALL);
    LoadOk(big, wide, D3DXMESH_MANAGED | D3DXMESH_32BIT);
    EXPECT_EQ(Indices(wide.mesh), (std::vector<DWORD>{0, 1, 2})); // read as 32-bit
}

TEST_F(Mesh, AdjacencyMatchesCornersWithinEpsilon) {
    // Two triangles whose shared edge is written twice, the second copy 0.001 away along z.
    Loaded near;
    LoadOk(XFile("Mesh Pair { 6; 0.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 0.0; "
                 "0.001;, 0.0; 1.0; 0.001;, 1.0; 1.0; 0.0;; 2; 3; 0, 1, 2;, 3; 3, 4, 5;; }\n"),
           near);
    const std::vector<DWORD> joined{kNone, 1, kNone, 0, kNone, kNone}, apart(6, kNone);
    EXPECT_EQ(near.Adjacency(), apart);
    EXPECT_EQ(Generated(near.mesh, 0.0005f), apart);
    EXPECT_EQ(Generated(near.mesh, 0.01f), joined);
    EXPECT_EQ(Generated(near.mesh, -1.0f), apart);
    EXPECT_EQ(near.mesh->GenerateAdjacency(0.0f, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(Mesh, DrawSubsetBindsTheBuffersAndDrawsEachRunOrTableEntry) {
    Loaded loaded;
    LoadOk(kStrip, loaded); // sorted on load to materials 0, 0, 1, 1
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    d3d9rec::ClearLog();
    EXPECT_EQ(loaded.mesh->DrawSubset(1), D3D_OK);
    EXPECT_EQ(d3d9rec::MethodNames(),
              (std::vector<std::string>{"SetFVF", "SetStreamSource", "SetIndices",
                                        "DrawIndexedPrimitive"}));
    EXPECT_EQ(d3d9rec::Log().at(0).args.at(0).UInt(), DWORD{D3DFVF_XYZ | D3DFVF_NORMAL});
    EXPECT_EQ(d3d9rec::Log().at(3).drawn->indices, (std::vector<UINT>{2, 1, 3, 2, 3, 4}));
    // Without a table each run of the subset's faces is a draw (MinVertexIndex, NumVertices,
    // StartIndex, PrimitiveCount); a subset of no faces draws nothing.
    SetAttributes(loaded.mesh, {3, 0, 1, 3});
    d3d9rec::ClearLog();
    EXPECT_EQ(loaded.mesh->DrawSubset(3) | loaded.mesh->DrawSubset(7), D3D_OK);
    std::vector<std::vector<DWORD>> draws;
    for (const d3d9rec::Call& call : d3d9rec::CallsNamed("DrawIndexedPrimitive")) {
        draws.push_back(
            {call.args[2].UInt(), call.args[3].UInt(), call.args[4].UInt(), call.args[5].UInt()});
    }
    EXPECT_EQ(draws, (std::vector<std::vector<DWORD>>{{0, 7, 0, 1}, {0, 7, 9, 1}}));
    EXPECT_EQ(device->EndScene(), D3D_OK);
}

TEST_F(Mesh, OptimizeRefusesBadCallsAndWritesAdjacencyInPlace) {
    Loaded loaded;
    LoadOk(kStrip, loaded);
    ID3DXMesh* mesh = loaded.mesh;
    std::vector<DWORD> indices = Indices(mesh), adjacency = loaded.Adjacency(), out(12);
    std::vector<DWORD> broken = adjacency;
    broken[0] = 4;
    auto* remap = reinterpret_cast<ID3DXBuffer*>(std::uintptr_t{1});
    EXPECT_EQ(mesh->OptimizeInplace(0, adjacency.data(), nullptr, nullptr, &remap),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(remap, nullptr);
    for (auto [flags, in, adjacencyOut] :
         {std::tuple<DWORD, DWORD*, DWORD*>{D3DXMESHOPT_VERTEXCACHE, nullptr, nullptr},
          {D3DXMESHOPT_VERTEXCACHE | D3DXMESHOPT_STRIPREORDER, adjacency.data(), nullptr},
          {D3DXMESHOPT_ATTRSORT, nullptr, out.data()},
          {D3DXMESHOPT_ATTRSORT, broken.data(), out.data()}}) {
        EXPECT_EQ(mesh->OptimizeInplace(flags, in, adjacencyOut, nullptr, nullptr),
                  D3DERR_INVALIDCALL);
    }
    EXPECT_EQ(Indices(mesh), indices);
    EXPECT_EQ(TableSize(mesh), 0u);

    SetAttributes(mesh, {1, 0, 0, 0});
    ASSERT_EQ(mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, adjacency.data(), adjacency.data(),
                                    nullptr, nullptr),
              D3D_OK);
    EXPECT_EQ(adjacency, Generated(mesh));
    Attributes(mesh); // a read-only lock keeps the table; writing drops it
    EXPECT_EQ(TableSize(mesh), 2u);
    SetAttributes(mesh, {0, 0, 0, 0});
    EXPECT_EQ(TableSize(mesh), 0u);
    EXPECT_EQ(mesh->UnlockAttributeBuffer(), D3DERR_INVALIDCALL) << "not locked";
}

TEST(MeshBuffer, HoldsZeroedBytesUntilTheLastRelease) {
    ID3DXBuffer* buffer = nullptr;
    ASSERT_EQ(D3DXCreateBuffer(40, &buffer), D3D_OK);
    EXPECT_EQ(buffer->GetBufferSize(), 40u);
    auto* bytes = static_cast<unsigned char*>(buffer->GetBufferPointer());
    EXPECT_EQ(std::count(bytes, bytes + 40, 0), 40);
    EXPECT_EQ(buffer->AddRef(), 2u);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(buffer->Release(), 0u);
    ASSERT_EQ(D3DXCreateBuffer(0, &buffer), D3D_OK);
    EXPECT_NE(buffer->GetBufferPointer(), nullptr);
    buffer->Release();
    EXPECT_EQ(D3DXCreateBuffer(4, nullptr), D3DERR_INVALIDCALL);
}

} // namespace
} // namespace d3dx_test
