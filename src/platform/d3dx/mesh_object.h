// Creating ID3DXMesh objects whose vertex and index buffers live on a device.
#pragma once

#include <d3d9.h>
#include <d3dx9mesh.h>

#include <cstddef>
#include <vector>

namespace d3dx {

// Largest vertex count a mesh with 16-bit indices may have.
inline constexpr DWORD kMax16BitVertices = 0xFFFF;

struct MeshContents {
    DWORD fvf = D3DFVF_XYZ;
    DWORD vertexCount = 0;
    std::vector<std::byte> vertices; // vertexCount vertices of VertexStride(fvf) bytes
    std::vector<DWORD> indices;      // three per face, each below vertexCount
    std::vector<DWORD> attributes;   // one per face
};

// D3DERR_INVALIDCALL for no faces, no vertices, more vertices than 16-bit indices reach
// without D3DXMESH_32BIT, or options a mesh cannot have (D3DXMESH_VB_SHARE,
// D3DXMESH_USEHWONLY, unknown bits); otherwise whatever the device answers.
HRESULT CreateMesh(IDirect3DDevice9* device, DWORD options, const MeshContents& contents,
                   ID3DXMesh** mesh);

} // namespace d3dx
