// OptimizeInplace beyond the conformance run's attribute sorts: vertex-cache order (Wine has
// none), refused calls, adjacency in place, and the attribute table.
#include "mesh_test_support.h"

#include <algorithm>
#include <deque>
#include <set>

namespace d3dx_test {
namespace {

using MeshOptimize = MeshTest;

// Four triangles in a strip over vertices 0..5, and vertex 6 that no face uses.
const char* const kStrip = R"(
Mesh Strip {
  7;
  0.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 2.0; 0.0; 0.0;, 2.0; 1.0; 0.0;,
  9.0; 9.0; 9.0;;
  4;
  3; 0, 1, 2;, 3; 2, 1, 3;, 3; 2, 3, 4;, 3; 4, 3, 5;;
}
)";

void SetAttributes(ID3DXMesh* mesh, const std::vector<DWORD>& attributes) {
    DWORD* data = nullptr;
    ASSERT_EQ(mesh->LockAttributeBuffer(0, &data), D3D_OK);
    std::copy(attributes.begin(), attributes.end(), data);
    ASSERT_EQ(mesh->UnlockAttributeBuffer(), D3D_OK);
}

// Average cache misses per triangle for a FIFO cache of 16 vertices.
double CacheMissRatio(const std::vector<DWORD>& indices) {
    std::deque<DWORD> cache;
    int misses = 0;
    for (DWORD index : indices) {
        if (std::find(cache.begin(), cache.end(), index) == cache.end()) {
            ++misses;
            cache.push_back(index);
            if (cache.size() > 16) {
                cache.pop_front();
            }
        }
    }
    return double(misses) / double(indices.size() / 3);
}

// A grid of size x size quads whose triangles are listed in a scrambled order, plus one vertex
// no face uses (the last).
std::string ScrambledGrid(int size) {
    const int side = size + 1, faces = 2 * size * size;
    std::string text = "Mesh Grid {\n" + std::to_string(side * side + 1) + ";\n";
    for (int v = 0; v < side * side; ++v) {
        text += std::to_string(v % side) + ".0; " + std::to_string(v / side) + ".0; 0.0;,\n";
    }
    text += "-5.0; -5.0; -5.0;;\n" + std::to_string(faces) + ";\n";
    for (int i = 0; i < faces; ++i) {
        const int face = (i * 97) % faces, quad = face / 2;
        const int a = quad / size * side + quad % size;
        const int corners[2][3] = {{a, a + side, a + 1}, {a + 1, a + side, a + side + 1}};
        const int* c = corners[face % 2];
        text += "3; " + std::to_string(c[0]) + ", " + std::to_string(c[1]) + ", " +
                std::to_string(c[2]) + (i + 1 < faces ? ";,\n" : ";;\n");
    }
    return XFile(text + "}\n");
}

// The triangles as position triples, in a canonical order, to compare meshes.
std::multiset<std::vector<float>> Triangles(ID3DXMesh* mesh) {
    std::vector<Vec3> positions = Positions(mesh);
    std::vector<DWORD> indices = Indices(mesh);
    std::multiset<std::vector<float>> out;
    for (std::size_t i = 0; i < indices.size(); i += 3) {
        std::vector<float> triangle;
        for (std::size_t c = 0; c < 3; ++c) {
            const Vec3& p = positions[indices[i + c]];
            triangle.insert(triangle.end(), {p.x, p.y, p.z});
        }
        out.insert(triangle);
    }
    return out;
}

TEST_F(MeshOptimize, VertexCacheKeepsTheTrianglesGroupsFacesAndLowersMisses) {
    struct Case {
        DWORD flags;
        bool twoAttributes;
        DWORD vertexCount; // of the 170, one unused
        bool verticesMove;
    };
    for (Case c : {Case{D3DXMESHOPT_VERTEXCACHE, false, 170, true},
                   Case{D3DXMESHOPT_VERTEXCACHE | D3DXMESHOPT_COMPACT, true, 169, true},
                   Case{D3DXMESHOPT_VERTEXCACHE | D3DXMESHOPT_IGNOREVERTS, true, 170, false},
                   Case{D3DXMESHOPT_STRIPREORDER, true, 170, true}}) {
        SCOPED_TRACE(c.flags);
        Loaded loaded;
        LoadOk(ScrambledGrid(12), loaded);
        ID3DXMesh* mesh = loaded.mesh;
        std::vector<DWORD> attributes(mesh->GetNumFaces(), 1);
        for (std::size_t f = 0; c.twoAttributes && f < attributes.size(); f += 3) {
            attributes[f] = 4;
        }
        SetAttributes(mesh, attributes);
        const std::vector<Vec3> before = Positions(mesh);
        const std::multiset<std::vector<float>> triangles = Triangles(mesh);
        const double missesBefore = CacheMissRatio(Indices(mesh));
        std::vector<DWORD> adjacency = loaded.Adjacency();
        std::vector<DWORD> faceRemap(mesh->GetNumFaces());
        ID3DXBuffer* vertexRemap = nullptr;
        ASSERT_EQ(mesh->OptimizeInplace(c.flags, adjacency.data(), nullptr, faceRemap.data(),
                                        &vertexRemap),
                  D3D_OK);
        EXPECT_EQ(Triangles(mesh), triangles);
        const std::vector<DWORD> indices = Indices(mesh);
        EXPECT_LT(CacheMissRatio(indices), missesBefore);

        // Faces are grouped by attribute, each keeping its own; the remap is a permutation.
        const std::vector<DWORD> after = Attributes(mesh);
        EXPECT_TRUE(std::is_sorted(after.begin(), after.end()));
        for (std::size_t f = 0; f < after.size(); ++f) {
            EXPECT_EQ(after[f], attributes[faceRemap[f]]) << f;
        }
        std::sort(faceRemap.begin(), faceRemap.end());
        for (std::size_t f = 0; f < faceRemap.size(); ++f) {
            ASSERT_EQ(faceRemap[f], f) << "the face remap is a permutation";
        }
        std::vector<D3DXATTRIBUTERANGE> table = Table(mesh);
        ASSERT_EQ(table.size(), c.twoAttributes ? 2u : 1u);
        EXPECT_EQ(table[0].AttribId, 1u);
        EXPECT_EQ(table.back().AttribId, c.twoAttributes ? 4u : 1u);
        EXPECT_EQ(table.back().FaceStart, c.twoAttributes ? table[0].FaceCount : 0u);
        EXPECT_EQ(table.back().FaceStart + table.back().FaceCount, mesh->GetNumFaces());

        // The vertex remap says where each vertex came from; moved vertices are numbered by
        // first use, so the unused one goes last (or, with COMPACT, goes).
        const DWORD* remap = static_cast<const DWORD*>(vertexRemap->GetBufferPointer());
        ASSERT_GE(vertexRemap->GetBufferSize(), c.vertexCount * sizeof(DWORD));
        const std::vector<Vec3> positions = Positions(mesh);
        ASSERT_EQ(positions.size(), c.vertexCount);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            EXPECT_EQ(positions[i], before[remap[i]]) << i;
        }
        vertexRemap->Release();
        EXPECT_EQ(positions == before, !c.verticesMove);
        DWORD next = 0;
        for (DWORD index : indices) {
            ASSERT_TRUE(!c.verticesMove || index <= next);
            next = std::max(next, index + 1);
        }
    }
}

TEST_F(MeshOptimize, RefusedFlagsLeaveTheMeshAsItWas) {
    Loaded loaded;
    LoadOk(XFile(kStrip), loaded);
    ID3DXMesh* mesh = loaded.mesh;
    std::vector<DWORD> indices = Indices(mesh);
    std::vector<DWORD> adjacency = loaded.Adjacency();
    std::vector<DWORD> out(12);
    ID3DXBuffer* remap = reinterpret_cast<ID3DXBuffer*>(std::uintptr_t{1});
    EXPECT_EQ(mesh->OptimizeInplace(0, adjacency.data(), nullptr, nullptr, &remap),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(remap, nullptr);
    EXPECT_EQ(mesh->OptimizeInplace(D3DXMESHOPT_VERTEXCACHE, nullptr, nullptr, nullptr, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(mesh->OptimizeInplace(D3DXMESHOPT_VERTEXCACHE | D3DXMESHOPT_STRIPREORDER,
                                    adjacency.data(), nullptr, nullptr, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, nullptr, out.data(), nullptr, nullptr),
              D3DERR_INVALIDCALL)
        << "adjacency out needs adjacency in";
    std::vector<DWORD> broken = adjacency;
    broken[0] = 4;
    EXPECT_EQ(
        mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, broken.data(), out.data(), nullptr, nullptr),
        D3DERR_INVALIDCALL);
    EXPECT_EQ(Indices(mesh), indices);
    EXPECT_TRUE(Table(mesh).empty());
}

TEST_F(MeshOptimize, OneArrayMayCarryAdjacencyAndWritingAttributesDropsTheTable) {
    Loaded loaded;
    LoadOk(XFile(kStrip), loaded);
    ID3DXMesh* mesh = loaded.mesh;
    SetAttributes(mesh, {1, 0, 0, 0});
    std::vector<DWORD> adjacency = loaded.Adjacency();
    ASSERT_EQ(mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, adjacency.data(), adjacency.data(),
                                    nullptr, nullptr),
              D3D_OK);
    EXPECT_EQ(adjacency, Generated(mesh));
    EXPECT_EQ(Table(mesh).size(), 2u);
    Attributes(mesh); // a read-only lock
    EXPECT_EQ(Table(mesh).size(), 2u);
    SetAttributes(mesh, {0, 0, 0, 0});
    EXPECT_TRUE(Table(mesh).empty());

    D3DXATTRIBUTERANGE ranges[] = {{5, 0, 4, 0, 6}};
    EXPECT_EQ(mesh->SetAttributeTable(ranges, 1), D3D_OK);
    ASSERT_EQ(Table(mesh).size(), 1u);
    EXPECT_EQ(std::memcmp(&Table(mesh)[0], ranges, sizeof ranges), 0);
    EXPECT_EQ(mesh->SetAttributeTable(ranges, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(mesh->SetAttributeTable(nullptr, 0), D3D_OK);
    EXPECT_TRUE(Table(mesh).empty());
    EXPECT_EQ(mesh->UnlockAttributeBuffer(), D3DERR_INVALIDCALL) << "not locked";
}

} // namespace
} // namespace d3dx_test
