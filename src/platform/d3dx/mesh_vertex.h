// The vertices of loaded meshes and how they are laid out in a vertex buffer by FVF.
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>

#include <cstddef>

namespace d3dx {

// Everything a loaded vertex may carry; the mesh's FVF says which parts are stored.
struct MeshVertex {
    D3DXVECTOR3 position{0.0f, 0.0f, 0.0f};
    D3DXVECTOR3 normal{0.0f, 0.0f, 0.0f};
    D3DCOLOR color = 0;
    D3DXVECTOR2 uv{0.0f, 0.0f};
};

// The formats loaded meshes use: a position, optionally a normal, a colour and one 2D
// texture coordinate, in that order.
inline constexpr DWORD kLoadableFvfBits = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// Bytes per vertex of an FVF built from kLoadableFvfBits.
DWORD VertexStride(DWORD fvf);

// Writes the parts of `vertex` that `fvf` stores, VertexStride(fvf) bytes.
void StoreVertex(DWORD fvf, const MeshVertex& vertex, std::byte* out);

// The position at the start of a stored vertex.
D3DXVECTOR3 LoadPosition(const std::byte* vertex);

} // namespace d3dx
