#include "buffers.h"

#include "device.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace d3d9gl::detail {

BufferStorage::BufferStorage(Device& device, UINT size, DWORD usage)
    : device_(device), memory_(size) {
    GlState& gl = device_.Gl();
    gl.Call(glGenBuffers, 1, &name_);
    gl.BindArrayBuffer(name_);
    gl.Call(glBufferData, GL_ARRAY_BUFFER, GLsizeiptr(size), memory_.Data().data(),
            (usage & D3DUSAGE_DYNAMIC) ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW);
}

BufferStorage::~BufferStorage() {
    device_.ForgetBuffer(name_);
    device_.Gl().Call(glDeleteBuffers, 1, &name_);
}

HRESULT BufferStorage::Lock(UINT offset, UINT size, void** data, DWORD flags) {
    return memory_.Lock(offset, size, data, flags);
}

HRESULT BufferStorage::Unlock() {
    HRESULT result = memory_.Unlock();
    if (FAILED(result) || memory_.Locked()) {
        return result;
    }
    if (auto dirty = memory_.TakeDirtyRange()) {
        GlState& gl = device_.Gl();
        gl.BindArrayBuffer(name_);
        gl.Call(glBufferSubData, GL_ARRAY_BUFFER, GLintptr(dirty->begin),
                GLsizeiptr(dirty->end - dirty->begin), memory_.Data().data() + dirty->begin);
    }
    return D3D_OK;
}

namespace {

HRESULT GiveDevice(Device* device, IDirect3DDevice9** out) {
    if (!out) {
        return D3DERR_INVALIDCALL;
    }
    device->AddRef();
    *out = device;
    return D3D_OK;
}

} // namespace

VertexBuffer::VertexBuffer(Device* device, const D3DVERTEXBUFFER_DESC& desc)
    : RefCounted(device), device_(device), desc_(desc), storage_(*device, desc.Size, desc.Usage) {}

HRESULT VertexBuffer::GetDevice(IDirect3DDevice9** device) {
    return GiveDevice(device_, device);
}

HRESULT VertexBuffer::Lock(UINT offset, UINT size, void** data, DWORD flags) {
    return storage_.Lock(offset, size, data, flags);
}

HRESULT VertexBuffer::GetDesc(D3DVERTEXBUFFER_DESC* desc) {
    if (!desc) {
        return D3DERR_INVALIDCALL;
    }
    *desc = desc_;
    return D3D_OK;
}

IndexBuffer::IndexBuffer(Device* device, const D3DINDEXBUFFER_DESC& desc)
    : RefCounted(device), device_(device), desc_(desc), storage_(*device, desc.Size, desc.Usage) {}

HRESULT IndexBuffer::GetDevice(IDirect3DDevice9** device) {
    return GiveDevice(device_, device);
}

HRESULT IndexBuffer::Lock(UINT offset, UINT size, void** data, DWORD flags) {
    return storage_.Lock(offset, size, data, flags);
}

HRESULT IndexBuffer::Unlock() {
    ranges_.clear();
    return storage_.Unlock();
}

HRESULT IndexBuffer::GetDesc(D3DINDEXBUFFER_DESC* desc) {
    if (!desc) {
        return D3DERR_INVALIDCALL;
    }
    *desc = desc_;
    return D3D_OK;
}

std::optional<IndexBuffer::IndexRange> IndexBuffer::Range(UINT first, UINT count) {
    const auto& bytes = storage_.Memory().Data();
    UINT size = IndexSize();
    if (count == 0 || std::uint64_t{first} + count > bytes.size() / size) {
        return std::nullopt;
    }
    auto known = ranges_.find({first, count});
    if (known != ranges_.end()) {
        return known->second;
    }
    IndexRange range{~0u, 0};
    for (UINT i = 0; i < count; ++i) {
        const std::uint8_t* at = bytes.data() + std::size_t(first + i) * size;
        UINT index = 0;
        if (size == 2) {
            std::uint16_t narrow;
            std::memcpy(&narrow, at, 2);
            index = narrow;
        } else {
            std::memcpy(&index, at, 4);
        }
        range.lowest = std::min(range.lowest, index);
        range.highest = std::max(range.highest, index);
    }
    // Draw calls of a program are few and repeat; a runaway set of ranges is dropped.
    constexpr std::size_t kMaxKeptRanges = 4096;
    if (ranges_.size() >= kMaxKeptRanges) {
        ranges_.clear();
    }
    ranges_.emplace(std::pair{first, count}, range);
    return range;
}

} // namespace d3d9gl::detail
