#include "buffers.h"

#include "recorder.h"

namespace d3d9rec::detail {

namespace {

HRESULT RecordLock(ObjectId id, BufferMemory& memory, UINT offset, UINT size, void** data,
                   DWORD flags) {
    PendingCall call("Lock", id, {offset, size, Value(), flags});
    if (call.Injected()) {
        if (data) {
            *data = nullptr;
        }
        return call.Finish(D3D_OK);
    }
    return call.Finish(memory.Lock(offset, size, data, flags));
}

HRESULT RecordUnlock(ObjectId id, BufferMemory& memory) {
    PendingCall call("Unlock", id, {});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    return call.Finish(memory.Unlock());
}

template <class Desc> HRESULT RecordGetDesc(ObjectId id, const Desc& desc, Desc* out) {
    PendingCall call("GetDesc", id, {Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!out) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *out = desc;
    return call.Finish(D3D_OK);
}

} // namespace

VertexBuffer::VertexBuffer(Device* device, const D3DVERTEXBUFFER_DESC& desc)
    : DeviceResource(device, desc.Size), desc_(desc), memory_(desc.Size) {}

HRESULT VertexBuffer::Lock(UINT offset, UINT size, void** data, DWORD flags) {
    return RecordLock(Id(), memory_, offset, size, data, flags);
}

HRESULT VertexBuffer::Unlock() {
    return RecordUnlock(Id(), memory_);
}

HRESULT VertexBuffer::GetDesc(D3DVERTEXBUFFER_DESC* desc) {
    return RecordGetDesc(Id(), desc_, desc);
}

IndexBuffer::IndexBuffer(Device* device, const D3DINDEXBUFFER_DESC& desc)
    : DeviceResource(device, desc.Size), desc_(desc), memory_(desc.Size) {}

HRESULT IndexBuffer::Lock(UINT offset, UINT size, void** data, DWORD flags) {
    return RecordLock(Id(), memory_, offset, size, data, flags);
}

HRESULT IndexBuffer::Unlock() {
    return RecordUnlock(Id(), memory_);
}

HRESULT IndexBuffer::GetDesc(D3DINDEXBUFFER_DESC* desc) {
    return RecordGetDesc(Id(), desc_, desc);
}

} // namespace d3d9rec::detail
