// Vertex copies for normals, fan triangulation and the per-mesh material sort.
#include "mesh_build.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <unordered_map>

namespace d3dx {

namespace {

constexpr DWORD kNoNormal = 0xFFFFFFFF;

// A file vertex together with the value of a normal used at it. Zeros of either sign are one
// value, as the normals are compared with ==.
struct VertexNormalKey {
    DWORD vertex;
    DWORD bits[3];

    VertexNormalKey(DWORD v, const D3DXVECTOR3& n) : vertex(v) {
        const float parts[3] = {n.x == 0.0f ? 0.0f : n.x, n.y == 0.0f ? 0.0f : n.y,
                                n.z == 0.0f ? 0.0f : n.z};
        std::memcpy(bits, parts, sizeof(bits));
    }
    bool operator==(const VertexNormalKey& other) const {
        return vertex == other.vertex && std::equal(bits, bits + 3, other.bits);
    }
};

struct VertexNormalHash {
    std::size_t operator()(const VertexNormalKey& key) const {
        std::size_t hash = key.vertex;
        for (DWORD part : key.bits) {
            hash = hash * 0x9E3779B97F4A7C15ull + part;
        }
        return hash;
    }
};

std::vector<MeshVertex> FileVertices(const xfile::FileMesh& mesh) {
    std::vector<MeshVertex> vertices(mesh.positions.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        vertices[i].position = mesh.positions[i];
        if (!mesh.texCoords.empty()) {
            vertices[i].uv = mesh.texCoords[i];
        }
        if (!mesh.colors.empty()) {
            vertices[i].color = mesh.colors[i];
        }
    }
    return vertices;
}

// Gives each corner a vertex carrying the corner's normal: a file vertex takes the first
// normal used at it, and each further normal value gets a copy of the vertex at the end.
// Returns the vertex of every corner. Vertices no corner uses keep a zero normal.
std::vector<DWORD> SplitByNormal(const xfile::FileMesh& mesh, std::vector<MeshVertex>& vertices) {
    std::vector<DWORD> corners = mesh.corners;
    if (!mesh.hasNormals) {
        return corners;
    }
    std::vector<DWORD> normalOf(vertices.size(), kNoNormal);
    std::unordered_map<VertexNormalKey, DWORD, VertexNormalHash> copies;
    for (std::size_t c = 0; c < corners.size(); ++c) {
        DWORD fileVertex = corners[c];
        const D3DXVECTOR3& normal = mesh.normals[mesh.normalCorners[c]];
        if (normalOf[fileVertex] == kNoNormal) {
            normalOf[fileVertex] = mesh.normalCorners[c];
            copies.emplace(VertexNormalKey(fileVertex, normal), fileVertex);
            continue;
        }
        auto [slot, added] = copies.emplace(VertexNormalKey(fileVertex, normal),
                                            static_cast<DWORD>(vertices.size()));
        if (added) {
            MeshVertex copy = vertices[fileVertex];
            vertices.push_back(copy);
            normalOf.push_back(mesh.normalCorners[c]);
        }
        corners[c] = slot->second;
    }
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        if (normalOf[i] != kNoNormal) {
            vertices[i].normal = mesh.normals[normalOf[i]];
        }
    }
    return corners;
}

void SortTrianglesByAttribute(BuiltMesh& built) {
    std::vector<DWORD> order(built.FaceCount());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&built](DWORD a, DWORD b) {
        return built.attributes[a] < built.attributes[b];
    });
    std::vector<DWORD> indices(built.indices.size());
    std::vector<DWORD> attributes(built.attributes.size());
    for (std::size_t face = 0; face < order.size(); ++face) {
        std::copy_n(built.indices.begin() + 3 * order[face], 3, indices.begin() + 3 * face);
        attributes[face] = built.attributes[order[face]];
    }
    built.indices = std::move(indices);
    built.attributes = std::move(attributes);
}

} // namespace

BuiltMesh BuildMesh(const xfile::FileMesh& mesh) {
    BuiltMesh built;
    built.fvf = D3DFVF_XYZ;
    if (mesh.hasNormals) {
        built.fvf |= D3DFVF_NORMAL;
    }
    if (!mesh.colors.empty()) {
        built.fvf |= D3DFVF_DIFFUSE;
    }
    if (!mesh.texCoords.empty()) {
        built.fvf |= D3DFVF_TEX1;
    }
    built.vertices = FileVertices(mesh);
    std::vector<DWORD> corners = SplitByNormal(mesh, built.vertices);

    std::size_t first = 0;
    for (std::size_t polygon = 0; polygon < mesh.polygonSizes.size(); ++polygon) {
        DWORD size = mesh.polygonSizes[polygon];
        DWORD material = mesh.polygonMaterials.empty() ? 0 : mesh.polygonMaterials[polygon];
        for (DWORD j = 1; j + 1 < size; ++j) {
            built.indices.insert(built.indices.end(),
                                 {corners[first], corners[first + j], corners[first + j + 1]});
            built.attributes.push_back(material);
        }
        first += size;
    }
    built.materials = mesh.materials;
    if (!built.materials.empty()) {
        SortTrianglesByAttribute(built);
    }
    return built;
}

} // namespace d3dx
