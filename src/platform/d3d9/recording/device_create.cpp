#include "device.h"

#include "buffers.h"
#include "fvf.h"
#include "recorder.h"
#include "texture.h"

namespace d3d9rec::detail {

using d3d9common::FullMipChain;
using d3d9common::FvfVertexSize;
using d3d9common::TextureFormatBytes;

namespace {

Value SharedHandleArg(const HANDLE* handle) {
    return handle ? Value(std::string("handle")) : Value();
}

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

} // namespace

HRESULT Device::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                              D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* sharedHandle) {
    PendingCall call(
        "CreateTexture", Id(),
        {width, height, levels, usage, format, pool, Value(), SharedHandleArg(sharedHandle)});
    if (texture) {
        *texture = nullptr;
    }
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    const D3DCAPS9& caps = Settings().caps;
    if (!texture || sharedHandle || width == 0 || height == 0 || width > caps.MaxTextureWidth ||
        height > caps.MaxTextureHeight || TextureFormatBytes(format) == 0 ||
        !(BufferPool(pool) || pool == D3DPOOL_SCRATCH) || !TextureUsageFitsPool(usage, pool) ||
        levels > FullMipChain(width, height)) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    TextureShape shape{width, height, levels ? levels : FullMipChain(width, height),
                       usage, format, pool};
    if (!ReserveVideoMemory(TextureBytes(shape))) {
        return call.Finish(D3DERR_OUTOFVIDEOMEMORY);
    }
    auto* created = new Texture(this, shape);
    *texture = created;
    call.SetArg(6, ObjectRef{created->Id()});
    return call.Finish(D3D_OK);
}

HRESULT Device::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                   IDirect3DVertexBuffer9** buffer, HANDLE* sharedHandle) {
    PendingCall call("CreateVertexBuffer", Id(),
                     {length, usage, fvf, pool, Value(), SharedHandleArg(sharedHandle)});
    if (buffer) {
        *buffer = nullptr;
    }
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    // A buffer with a vertex format must hold at least one vertex.
    if (!buffer || sharedHandle || length == 0 || !BufferPool(pool) ||
        (fvf != 0 && length < FvfVertexSize(fvf))) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    if (!ReserveVideoMemory(length)) {
        return call.Finish(D3DERR_OUTOFVIDEOMEMORY);
    }
    auto* created = new VertexBuffer(
        this, {D3DFMT_VERTEXDATA, D3DRTYPE_VERTEXBUFFER, usage, pool, length, fvf});
    *buffer = created;
    call.SetArg(4, ObjectRef{created->Id()});
    return call.Finish(D3D_OK);
}

HRESULT Device::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                  IDirect3DIndexBuffer9** buffer, HANDLE* sharedHandle) {
    PendingCall call("CreateIndexBuffer", Id(),
                     {length, usage, format, pool, Value(), SharedHandleArg(sharedHandle)});
    if (buffer) {
        *buffer = nullptr;
    }
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    UINT indexSize = format == D3DFMT_INDEX16 ? 2 : format == D3DFMT_INDEX32 ? 4 : 0;
    if (!buffer || sharedHandle || indexSize == 0 || length < indexSize || !BufferPool(pool)) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    if (!ReserveVideoMemory(length)) {
        return call.Finish(D3DERR_OUTOFVIDEOMEMORY);
    }
    auto* created = new IndexBuffer(this, {format, D3DRTYPE_INDEXBUFFER, usage, pool, length});
    *buffer = created;
    call.SetArg(4, ObjectRef{created->Id()});
    return call.Finish(D3D_OK);
}

} // namespace d3d9rec::detail
