// Packing loaded vertices into FVF order: position, normal, diffuse colour, texture coordinate.
#include "mesh_vertex.h"

#include <cstring>

namespace d3dx {

DWORD VertexStride(DWORD fvf) {
    DWORD stride = sizeof(D3DXVECTOR3);
    if (fvf & D3DFVF_NORMAL) {
        stride += sizeof(D3DXVECTOR3);
    }
    if (fvf & D3DFVF_DIFFUSE) {
        stride += sizeof(D3DCOLOR);
    }
    if (fvf & D3DFVF_TEX1) {
        stride += sizeof(D3DXVECTOR2);
    }
    return stride;
}

void StoreVertex(DWORD fvf, const MeshVertex& vertex, std::byte* out) {
    auto put = [&out](const auto& part) {
        std::memcpy(out, &part, sizeof(part));
        out += sizeof(part);
    };
    put(vertex.position);
    if (fvf & D3DFVF_NORMAL) {
        put(vertex.normal);
    }
    if (fvf & D3DFVF_DIFFUSE) {
        put(vertex.color);
    }
    if (fvf & D3DFVF_TEX1) {
        put(vertex.uv);
    }
}

D3DXVECTOR3 LoadPosition(const std::byte* vertex) {
    D3DXVECTOR3 position;
    std::memcpy(&position, vertex, sizeof(position));
    return position;
}

} // namespace d3dx
