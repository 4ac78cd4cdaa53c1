// Vertex and index buffers: plain memory that Lock hands out.
#pragma once

#include "buffer_memory.h"
#include "resource.h"

namespace d3d9rec::detail {

using d3d9common::BufferMemory;

class VertexBuffer final : public IDirect3DVertexBuffer9, public DeviceResource {
public:
    VertexBuffer(Device* device, const D3DVERTEXBUFFER_DESC& desc);

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetDevice(IDirect3DDevice9** device) override { return ReturnDevice(device); }
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_VERTEXBUFFER; }
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DVERTEXBUFFER_DESC* desc) override;

    const BufferMemory& Memory() const { return memory_; }

private:
    D3DVERTEXBUFFER_DESC desc_;
    BufferMemory memory_;
};

class IndexBuffer final : public IDirect3DIndexBuffer9, public DeviceResource {
public:
    IndexBuffer(Device* device, const D3DINDEXBUFFER_DESC& desc);

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetDevice(IDirect3DDevice9** device) override { return ReturnDevice(device); }
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_INDEXBUFFER; }
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DINDEXBUFFER_DESC* desc) override;

    const BufferMemory& Memory() const { return memory_; }
    UINT IndexSize() const { return desc_.Format == D3DFMT_INDEX32 ? 4 : 2; }

private:
    D3DINDEXBUFFER_DESC desc_;
    BufferMemory memory_;
};

} // namespace d3d9rec::detail
