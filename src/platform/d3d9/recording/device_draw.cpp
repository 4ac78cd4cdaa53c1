#include "device.h"

#include "buffers.h"
#include "fvf.h"
#include "recorder.h"
#include "texture.h"

#include <cstring>

namespace d3d9rec::detail {

using d3d9common::FvfVertexSize;
using d3d9common::PrimitiveVertexCount;

HRESULT Device::SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset,
                                UINT stride) {
    auto* ours = dynamic_cast<VertexBuffer*>(buffer);
    PendingCall call("SetStreamSource", Id(), {stream, ObjectRef{IdOf(buffer)}, offset, stride});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (stream >= kStreams || (buffer && (!ours || ours->OwnerDevice() != this)) ||
        (ours && offset >= ours->Memory().Size())) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    Rebind(streams_[stream].buffer, ours);
    streams_[stream].offset = offset;
    streams_[stream].stride = stride;
    return call.Finish(D3D_OK);
}

HRESULT Device::SetIndices(IDirect3DIndexBuffer9* buffer) {
    auto* ours = dynamic_cast<IndexBuffer*>(buffer);
    PendingCall call("SetIndices", Id(), {ObjectRef{IdOf(buffer)}});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (buffer && (!ours || ours->OwnerDevice() != this)) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    Rebind(indices_, ours);
    return call.Finish(D3D_OK);
}

HRESULT Device::SetFVF(DWORD fvf) {
    PendingCall call("SetFVF", Id(), {fvf});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    fvf_ = fvf;
    return call.Finish(D3D_OK);
}

std::optional<Drawn> Device::ReadVertices(std::int64_t first, std::uint64_t count) const {
    const Stream& stream = streams_[0];
    UINT vertexSize = FvfVertexSize(fvf_);
    if (!stream.buffer || vertexSize == 0 || stream.stride < vertexSize || first < 0) {
        return std::nullopt;
    }
    // Whole vertices after the stream offset (SetStreamSource keeps the offset inside).
    const Bytes& data = stream.buffer->Memory().Data();
    std::uint64_t available = (data.size() - stream.offset) / stream.stride;
    if (std::uint64_t(first) + count > available) {
        return std::nullopt;
    }
    Drawn drawn;
    drawn.fvf = fvf_;
    drawn.stride = stream.stride;
    drawn.firstVertex = static_cast<INT>(first);
    auto begin = data.begin() + stream.offset + first * stream.stride;
    drawn.vertices.assign(begin, begin + count * stream.stride);
    drawn.texture = ObjectRef{IdOf(textures_[0])};
    drawn.world = Transform(D3DTS_WORLD);
    return drawn;
}

HRESULT Device::DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) {
    PendingCall call("DrawPrimitive", Id(), {type, startVertex, primitiveCount});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    auto vertexCount = PrimitiveVertexCount(type, primitiveCount);
    if (!vertexCount || !inScene_) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    if (primitiveCount == 0) {
        return call.Finish(D3D_OK);
    }
    auto drawn = ReadVertices(startVertex, *vertexCount);
    if (!drawn) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    call.SetDrawn(std::move(*drawn));
    return call.Finish(D3D_OK);
}

// Every index must lie in MinVertexIndex .. MinVertexIndex + NumVertices - 1, and those
// vertices (offset by BaseVertexIndex) inside the bound vertex buffer.
HRESULT Device::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex,
                                     UINT minVertexIndex, UINT numVertices, UINT startIndex,
                                     UINT primitiveCount) {
    PendingCall call(
        "DrawIndexedPrimitive", Id(),
        {type, baseVertexIndex, minVertexIndex, numVertices, startIndex, primitiveCount});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    auto indexCount = PrimitiveVertexCount(type, primitiveCount);
    if (!indexCount || !inScene_) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    if (primitiveCount == 0) {
        return call.Finish(D3D_OK);
    }
    if (!indices_ || numVertices == 0) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    const Bytes& indexData = indices_->Memory().Data();
    UINT indexSize = indices_->IndexSize();
    if (std::uint64_t{startIndex} + *indexCount > indexData.size() / indexSize) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    std::vector<UINT> indices(*indexCount);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const std::uint8_t* at = indexData.data() + (startIndex + i) * indexSize;
        if (indexSize == 2) {
            std::uint16_t index;
            std::memcpy(&index, at, 2);
            indices[i] = index;
        } else {
            std::memcpy(&indices[i], at, 4);
        }
        if (indices[i] < minVertexIndex || indices[i] - minVertexIndex >= numVertices) {
            return call.Finish(D3DERR_INVALIDCALL);
        }
    }
    auto drawn = ReadVertices(std::int64_t{baseVertexIndex} + minVertexIndex, numVertices);
    if (!drawn) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    drawn->baseVertexIndex = baseVertexIndex;
    drawn->indices = std::move(indices);
    call.SetDrawn(std::move(*drawn));
    return call.Finish(D3D_OK);
}

} // namespace d3d9rec::detail
