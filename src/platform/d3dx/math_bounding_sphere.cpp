// The bounding sphere the platform computes for a vertex list: not the smallest sphere,
// but one centred on the average position.
#include <d3dx9math.h>
#include <d3d9.h>

#include <cstddef>

namespace {

// Positions may sit at any byte offset inside a vertex, so they are copied out rather than
// read through a possibly misaligned pointer.
D3DXVECTOR3 position_at(const D3DXVECTOR3* first, DWORD stride, DWORD index) {
    D3DXVECTOR3 position;
    std::memcpy(&position, reinterpret_cast<const BYTE*>(first) + std::size_t{stride} * index,
                sizeof(D3DVECTOR));
    return position;
}

} // namespace

extern "C" HRESULT WINAPI D3DXComputeBoundingSphere(const D3DXVECTOR3* pFirstPosition,
                                                    DWORD NumVertices, DWORD dwStride,
                                                    D3DXVECTOR3* pCenter, FLOAT* pRadius) {
    if (!pFirstPosition || !pCenter || !pRadius) {
        return D3DERR_INVALIDCALL;
    }
    D3DXVECTOR3 sum(0.0f, 0.0f, 0.0f);
    for (DWORD i = 0; i < NumVertices; ++i) {
        sum += position_at(pFirstPosition, dwStride, i);
    }
    // No vertices: 0 * (1 / 0) makes the centre NaN, as on the platform.
    const D3DXVECTOR3 center = sum * (1.0f / static_cast<float>(NumVertices));
    float radius = 0.0f;
    for (DWORD i = 0; i < NumVertices; ++i) {
        const D3DXVECTOR3 offset = position_at(pFirstPosition, dwStride, i) - center;
        const float distance = D3DXVec3Length(&offset);
        if (distance > radius) {
            radius = distance;
        }
    }
    *pCenter = center;
    *pRadius = radius;
    return D3D_OK;
}
