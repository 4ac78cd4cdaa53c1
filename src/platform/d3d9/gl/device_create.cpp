#include "device.h"

#include "buffers.h"
#include "fvf.h"
#include "texture.h"

#include <new>

namespace d3d9gl::detail {
namespace {

constexpr UINT kMaxBufferBytes = 256u << 20;

// Pools a buffer may live in: any but the scratch pool, which only textures may use.
bool BufferPool(D3DPOOL pool) {
    return pool == D3DPOOL_DEFAULT || pool == D3DPOOL_MANAGED || pool == D3DPOOL_SYSTEMMEM;
}

bool TextureUsageFitsPool(DWORD usage, D3DPOOL pool) {
    if ((usage & (D3DUSAGE_RENDERTARGET | D3DUSAGE_DEPTHSTENCIL)) && pool != D3DPOOL_DEFAULT) {
        return false;
    }
    return !((usage & D3DUSAGE_DYNAMIC) && pool == D3DPOOL_MANAGED);
}

// Makes a resource; running out of memory on the way is the platform's out-of-memory result.
template <class Made, class Interface, class... Args>
HRESULT Make(Interface** out, Args&&... args) {
    try {
        *out = new Made(std::forward<Args>(args)...);
        return D3D_OK;
    } catch (const std::bad_alloc&) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
}

} // namespace

HRESULT Device::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                              D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* sharedHandle) {
    if (texture) {
        *texture = nullptr;
    }
    if (!texture || sharedHandle || width == 0 || height == 0 || width > kMaxTextureSide ||
        height > kMaxTextureSide || !TextureFormatKnown(format) ||
        !(BufferPool(pool) || pool == D3DPOOL_SCRATCH) || !TextureUsageFitsPool(usage, pool) ||
        levels > d3d9common::FullMipChain(width, height)) {
        return D3DERR_INVALIDCALL;
    }
    TextureShape shape{width, height, levels ? levels : d3d9common::FullMipChain(width, height),
                       usage, format, pool};
    return Make<Texture>(texture, this, shape);
}

HRESULT Device::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                   IDirect3DVertexBuffer9** buffer, HANDLE* sharedHandle) {
    if (buffer) {
        *buffer = nullptr;
    }
    // A buffer with a vertex format must hold at least one vertex.
    if (!buffer || sharedHandle || length == 0 || !BufferPool(pool) ||
        (fvf != 0 && length < d3d9common::FvfVertexSize(fvf))) {
        return D3DERR_INVALIDCALL;
    }
    if (length > kMaxBufferBytes) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    return Make<VertexBuffer>(
        buffer, this,
        D3DVERTEXBUFFER_DESC{D3DFMT_VERTEXDATA, D3DRTYPE_VERTEXBUFFER, usage, pool, length, fvf});
}

HRESULT Device::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                  IDirect3DIndexBuffer9** buffer, HANDLE* sharedHandle) {
    if (buffer) {
        *buffer = nullptr;
    }
    UINT indexSize = format == D3DFMT_INDEX16 ? 2 : format == D3DFMT_INDEX32 ? 4 : 0;
    if (!buffer || sharedHandle || indexSize == 0 || length < indexSize || !BufferPool(pool)) {
        return D3DERR_INVALIDCALL;
    }
    if (length > kMaxBufferBytes) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    return Make<IndexBuffer>(
        buffer, this, D3DINDEXBUFFER_DESC{format, D3DRTYPE_INDEXBUFFER, usage, pool, length});
}

} // namespace d3d9gl::detail
