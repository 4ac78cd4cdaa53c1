// Vertex and index buffers: plain memory that Lock hands out.
#pragma once

#include "resource.h"

#include <vector>

namespace d3d9rec::detail {

// The bytes of one buffer and how many Locks are open on it (locks may nest, as on the real
// device; each needs its Unlock).
class BufferMemory {
public:
    explicit BufferMemory(UINT size) : bytes_(size) {}

    // SizeToLock 0 locks from the offset to the end; a range outside the buffer fails.
    HRESULT Lock(UINT offset, UINT size, void** data);
    HRESULT Unlock();
    const Bytes& Data() const { return bytes_; }
    UINT Size() const { return static_cast<UINT>(bytes_.size()); }

private:
    Bytes bytes_;
    UINT openLocks_ = 0;
};

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
