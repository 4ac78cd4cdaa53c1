// Prints what a mesh holds: vertices, indices, attributes, attribute table, bounding sphere.
#include "conformance_mesh_output.h"

#include "conformance_output.h"

#include <vector>

namespace {

void PrintVertices(const std::string& label, ID3DXMesh* mesh) {
    void* data = nullptr;
    const HRESULT hr = mesh->LockVertexBuffer(D3DLOCK_READONLY, &data);
    OutputLine(label + "/lock-vertices").Result(hr);
    if (FAILED(hr)) {
        return;
    }
    const DWORD stride = mesh->GetNumBytesPerVertex();
    const auto* bytes = static_cast<const BYTE*>(data);
    for (DWORD i = 0; i < mesh->GetNumVertices(); ++i) {
        OutputLine(label + "/vertex" + std::to_string(i))
            .Floats(reinterpret_cast<const float*>(bytes + i * stride), stride / sizeof(float));
    }
    mesh->UnlockVertexBuffer();
}

void PrintIndices(const std::string& label, ID3DXMesh* mesh) {
    void* data = nullptr;
    const HRESULT hr = mesh->LockIndexBuffer(D3DLOCK_READONLY, &data);
    OutputLine(label + "/lock-indices").Result(hr);
    if (FAILED(hr)) {
        return;
    }
    // Meshes loaded without D3DXMESH_32BIT have 16-bit indices.
    const auto* indices = static_cast<const WORD*>(data);
    std::vector<DWORD> wide(indices, indices + 3 * mesh->GetNumFaces());
    mesh->UnlockIndexBuffer();
    PrintDwords(label + "/indices", wide.data(), wide.size());
}

void PrintAttributes(const std::string& label, ID3DXMesh* mesh) {
    DWORD* attributes = nullptr;
    const HRESULT hr = mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes);
    OutputLine(label + "/lock-attributes").Result(hr);
    if (FAILED(hr)) {
        return;
    }
    PrintDwords(label + "/attributes", attributes, mesh->GetNumFaces());
    mesh->UnlockAttributeBuffer();
}

} // namespace

void PrintAttributeTable(const std::string& label, ID3DXMesh* mesh) {
    DWORD size = 0;
    const HRESULT hr = mesh->GetAttributeTable(nullptr, &size);
    OutputLine(label + "/attribute-table-size").Result(hr).Unsigned(size);
    if (FAILED(hr) || size == 0) {
        return;
    }
    std::vector<D3DXATTRIBUTERANGE> table(size);
    mesh->GetAttributeTable(table.data(), &size);
    for (DWORD i = 0; i < size; ++i) {
        const D3DXATTRIBUTERANGE& range = table[i];
        OutputLine(label + "/attribute-range" + std::to_string(i))
            .Unsigned(range.AttribId)
            .Unsigned(range.FaceStart)
            .Unsigned(range.FaceCount)
            .Unsigned(range.VertexStart)
            .Unsigned(range.VertexCount);
    }
}

void PrintBoundingSphere(const std::string& label, ID3DXMesh* mesh) {
    void* data = nullptr;
    if (FAILED(mesh->LockVertexBuffer(D3DLOCK_READONLY, &data))) {
        OutputLine(label + "/bounding-sphere").Text("lock-failed");
        return;
    }
    D3DXVECTOR3 center(0.0f, 0.0f, 0.0f);
    float radius = 0.0f;
    const HRESULT hr =
        D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(data), mesh->GetNumVertices(),
                                  mesh->GetNumBytesPerVertex(), &center, &radius);
    mesh->UnlockVertexBuffer();
    OutputLine(label + "/bounding-sphere").Result(hr).Vector(center).Float(radius);
}

void PrintMeshContents(const std::string& label, const std::string& vertexLabel, ID3DXMesh* mesh) {
    PrintVertices(vertexLabel, mesh);
    PrintIndices(label, mesh);
    PrintAttributes(label, mesh);
}
