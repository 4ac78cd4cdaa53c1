// ID3DXMesh: creation, buffer access, drawing by subset and the attribute buffer and table.
#include "mesh_object.h"

#include <algorithm>
#include <cstring>

#include "mesh_object_class.h"

namespace d3dx {

namespace {

constexpr DWORD kInvalidOptions = D3DXMESH_VB_SHARE | D3DXMESH_USEHWONLY | 0xFFFE0000;

struct BufferPlace {
    DWORD usage = 0;
    D3DPOOL pool = D3DPOOL_DEFAULT;
};

BufferPlace PlaceOf(DWORD options, DWORD systemMem, DWORD managed, DWORD writeOnly, DWORD dynamic) {
    BufferPlace place;
    if (options & systemMem) {
        place.pool = D3DPOOL_SYSTEMMEM;
    } else if (options & managed) {
        place.pool = D3DPOOL_MANAGED;
    }
    if (options & writeOnly) {
        place.usage |= D3DUSAGE_WRITEONLY;
    }
    if (options & dynamic) {
        place.usage |= D3DUSAGE_DYNAMIC;
    }
    return place;
}

} // namespace

HRESULT StoreIndices(IDirect3DIndexBuffer9* ib, bool wide, const std::vector<DWORD>& indices) {
    void* data = nullptr;
    if (HRESULT hr = ib->Lock(0, 0, &data, 0); FAILED(hr)) {
        return hr;
    }
    if (wide) {
        std::memcpy(data, indices.data(), indices.size() * sizeof(DWORD));
    } else {
        WORD* words = static_cast<WORD*>(data);
        for (std::size_t i = 0; i < indices.size(); ++i) {
            words[i] = static_cast<WORD>(indices[i]);
        }
    }
    return ib->Unlock();
}

HRESULT Mesh::ReadIndices(std::vector<DWORD>& indices) {
    void* data = nullptr;
    if (HRESULT hr = ib_->Lock(0, 0, &data, D3DLOCK_READONLY); FAILED(hr)) {
        return hr;
    }
    indices.resize(3 * attributes_.size());
    if (Uses32BitIndices()) {
        std::memcpy(indices.data(), data, indices.size() * sizeof(DWORD));
    } else {
        const WORD* words = static_cast<const WORD*>(data);
        std::copy(words, words + indices.size(), indices.begin());
    }
    return ib_->Unlock();
}

HRESULT Mesh::WriteIndices(const std::vector<DWORD>& indices) {
    return StoreIndices(ib_, Uses32BitIndices(), indices);
}

HRESULT Mesh::ReadPositions(std::vector<D3DXVECTOR3>& positions) {
    void* data = nullptr;
    if (HRESULT hr = vb_->Lock(0, 0, &data, D3DLOCK_READONLY); FAILED(hr)) {
        return hr;
    }
    const auto* bytes = static_cast<const std::byte*>(data);
    DWORD stride = VertexStride(fvf_);
    positions.resize(vertexCount_);
    for (DWORD i = 0; i < vertexCount_; ++i) {
        positions[i] = LoadPosition(bytes + std::size_t{i} * stride);
    }
    return vb_->Unlock();
}

HRESULT Mesh::ReorderVertices(const std::vector<DWORD>& order) {
    void* data = nullptr;
    if (HRESULT hr = vb_->Lock(0, 0, &data, 0); FAILED(hr)) {
        return hr;
    }
    auto* bytes = static_cast<std::byte*>(data);
    std::size_t stride = VertexStride(fvf_);
    std::vector<std::byte> old(bytes, bytes + vertexCount_ * stride);
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::memcpy(bytes + i * stride, old.data() + order[i] * stride, stride);
    }
    vertexCount_ = static_cast<DWORD>(order.size());
    return vb_->Unlock();
}

HRESULT Mesh::DrawSubset(DWORD AttribId) {
    struct Draw {
        UINT minVertex, vertexCount, startIndex, faceCount;
    };
    std::vector<Draw> draws;
    if (!table_.empty()) {
        for (const D3DXATTRIBUTERANGE& range : table_) {
            if (range.AttribId == AttribId && range.FaceCount > 0) {
                draws.push_back(
                    {range.VertexStart, range.VertexCount, 3 * range.FaceStart, range.FaceCount});
            }
        }
    } else {
        // No table yet: draw each run of faces that carry the attribute.
        for (std::size_t start = 0; start < attributes_.size();) {
            std::size_t end = start;
            while (end < attributes_.size() && attributes_[end] == AttribId) {
                ++end;
            }
            if (end > start) {
                draws.push_back({0, vertexCount_, static_cast<UINT>(3 * start),
                                 static_cast<UINT>(end - start)});
            }
            start = std::max(end, start + 1);
        }
    }
    if (draws.empty()) {
        return D3D_OK;
    }
    HRESULT hr = device_->SetFVF(fvf_);
    if (SUCCEEDED(hr)) {
        hr = device_->SetStreamSource(0, vb_, 0, VertexStride(fvf_));
    }
    if (SUCCEEDED(hr)) {
        hr = device_->SetIndices(ib_);
    }
    for (std::size_t i = 0; i < draws.size() && SUCCEEDED(hr); ++i) {
        const Draw& d = draws[i];
        hr = device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, d.minVertex, d.vertexCount,
                                           d.startIndex, d.faceCount);
    }
    return hr;
}

HRESULT Mesh::GetAttributeTable(D3DXATTRIBUTERANGE* pAttribTable, DWORD* pAttribTableSize) {
    if (pAttribTableSize) {
        *pAttribTableSize = static_cast<DWORD>(table_.size());
    }
    if (pAttribTable) {
        std::copy(table_.begin(), table_.end(), pAttribTable);
    }
    return D3D_OK;
}

HRESULT Mesh::SetAttributeTable(const D3DXATTRIBUTERANGE* pAttribTable, DWORD cAttribTableSize) {
    if ((cAttribTableSize > 0) != (pAttribTable != nullptr)) {
        return D3DERR_INVALIDCALL;
    }
    table_.assign(pAttribTable, pAttribTable + cAttribTableSize);
    return D3D_OK;
}

HRESULT Mesh::LockAttributeBuffer(DWORD Flags, DWORD** ppData) {
    if (!ppData) {
        return D3DERR_INVALIDCALL;
    }
    // Attributes that may change make the table stale.
    if (!(Flags & D3DLOCK_READONLY)) {
        table_.clear();
    }
    ++attributeLocks_;
    *ppData = attributes_.data();
    return D3D_OK;
}

HRESULT Mesh::UnlockAttributeBuffer() {
    if (attributeLocks_ == 0) {
        return D3DERR_INVALIDCALL;
    }
    --attributeLocks_;
    return D3D_OK;
}

HRESULT CreateMesh(IDirect3DDevice9* device, DWORD options, const MeshContents& contents,
                   ID3DXMesh** mesh) {
    *mesh = NULL;
    DWORD faceCount = static_cast<DWORD>(contents.attributes.size());
    bool wide = (options & D3DXMESH_32BIT) != 0;
    if (!device || faceCount == 0 || contents.vertexCount == 0 || (options & kInvalidOptions) ||
        (!wide && contents.vertexCount > kMax16BitVertices)) {
        return D3DERR_INVALIDCALL;
    }
    std::size_t stride = VertexStride(contents.fvf);
    std::size_t indexSize = wide ? sizeof(DWORD) : sizeof(WORD);
    std::size_t vbBytes = contents.vertexCount * stride;
    std::size_t ibBytes = 3 * std::size_t{faceCount} * indexSize;
    if (vbBytes > 0xFFFFFFFFu || ibBytes > 0xFFFFFFFFu) {
        return E_OUTOFMEMORY;
    }
    BufferPlace vbPlace = PlaceOf(options, D3DXMESH_VB_SYSTEMMEM, D3DXMESH_VB_MANAGED,
                                  D3DXMESH_VB_WRITEONLY, D3DXMESH_VB_DYNAMIC);
    BufferPlace ibPlace = PlaceOf(options, D3DXMESH_IB_SYSTEMMEM, D3DXMESH_IB_MANAGED,
                                  D3DXMESH_IB_WRITEONLY, D3DXMESH_IB_DYNAMIC);
    IDirect3DVertexBuffer9* vb = NULL;
    IDirect3DIndexBuffer9* ib = NULL;
    HRESULT hr = device->CreateVertexBuffer(static_cast<UINT>(vbBytes), vbPlace.usage, contents.fvf,
                                            vbPlace.pool, &vb, NULL);
    if (FAILED(hr)) {
        return hr;
    }
    hr = device->CreateIndexBuffer(static_cast<UINT>(ibBytes), ibPlace.usage,
                                   wide ? D3DFMT_INDEX32 : D3DFMT_INDEX16, ibPlace.pool, &ib, NULL);
    if (FAILED(hr)) {
        vb->Release();
        return hr;
    }
    void* data = nullptr;
    hr = vb->Lock(0, 0, &data, 0);
    if (SUCCEEDED(hr)) {
        std::memcpy(data, contents.vertices.data(), vbBytes);
        hr = vb->Unlock();
    }
    if (SUCCEEDED(hr)) {
        hr = StoreIndices(ib, wide, contents.indices);
    }
    auto* object = SUCCEEDED(hr) ? new (std::nothrow)
                                       Mesh(device, options, contents.fvf, contents.vertexCount, vb,
                                            ib, contents.attributes)
                                 : nullptr;
    if (!object) {
        ib->Release();
        vb->Release();
        return FAILED(hr) ? hr : E_OUTOFMEMORY;
    }
    *mesh = object;
    return D3D_OK;
}

} // namespace d3dx
