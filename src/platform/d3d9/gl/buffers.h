// Vertex and index buffers: a copy in memory that Lock hands out, and a GL buffer that each
// final Unlock brings up to date with what was written.
#pragma once

#include "buffer_memory.h"
#include "ref_counted.h"

#include <d3d9.h>
#include <epoxy/gl.h>

#include <map>
#include <optional>
#include <utility>

namespace d3d9gl::detail {

class Device;

// The memory and GL buffer both kinds of buffer have.
class BufferStorage {
public:
    BufferStorage(Device& device, UINT size, DWORD usage);
    ~BufferStorage();
    BufferStorage(const BufferStorage&) = delete;
    BufferStorage& operator=(const BufferStorage&) = delete;

    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags);
    // Uploads what was written once the last open lock is closed.
    HRESULT Unlock();
    const d3d9common::BufferMemory& Memory() const { return memory_; }
    GLuint Name() const { return name_; }

private:
    Device& device_;
    d3d9common::BufferMemory memory_;
    GLuint name_ = 0;
};

class VertexBuffer final : public IDirect3DVertexBuffer9, public d3d9common::RefCounted {
public:
    VertexBuffer(Device* device, const D3DVERTEXBUFFER_DESC& desc);

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetDevice(IDirect3DDevice9** device) override;
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_VERTEXBUFFER; }
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override;
    HRESULT Unlock() override { return storage_.Unlock(); }
    HRESULT GetDesc(D3DVERTEXBUFFER_DESC* desc) override;

    Device* OwnerDevice() const { return device_; }
    const BufferStorage& Storage() const { return storage_; }

private:
    Device* device_;
    D3DVERTEXBUFFER_DESC desc_;
    BufferStorage storage_;
};

class IndexBuffer final : public IDirect3DIndexBuffer9, public d3d9common::RefCounted {
public:
    IndexBuffer(Device* device, const D3DINDEXBUFFER_DESC& desc);

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetDevice(IDirect3DDevice9** device) override;
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_INDEXBUFFER; }
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DINDEXBUFFER_DESC* desc) override;

    Device* OwnerDevice() const { return device_; }
    const BufferStorage& Storage() const { return storage_; }
    UINT IndexSize() const { return desc_.Format == D3DFMT_INDEX32 ? 4 : 2; }
    GLenum IndexType() const {
        return desc_.Format == D3DFMT_INDEX32 ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT;
    }

    struct IndexRange {
        UINT lowest;
        UINT highest;
    };
    // The lowest and highest of `count` (> 0) indices from `first`; nothing when they are not
    // all inside the buffer. Answers are kept until the buffer is written again.
    std::optional<IndexRange> Range(UINT first, UINT count);

private:
    Device* device_;
    D3DINDEXBUFFER_DESC desc_;
    BufferStorage storage_;
    std::map<std::pair<UINT, UINT>, IndexRange> ranges_;
};

} // namespace d3d9gl::detail
