// ID3DXMesh::GenerateAdjacency and ID3DXMesh::OptimizeInplace.
#include <algorithm>

#include "com_holder.h"
#include "mesh_adjacency.h"
#include "mesh_object_class.h"
#include "mesh_optimize.h"

namespace d3dx {

namespace {

using BufferHolder = ComHolder<ID3DXBuffer>;

// A copy of the caller's adjacency (which may be the output array as well); false when an
// entry names no face.
bool CopyAdjacency(const DWORD* adjacency, DWORD faceCount, std::vector<DWORD>& copy) {
    copy.assign(adjacency, adjacency + 3 * std::size_t{faceCount});
    return std::none_of(copy.begin(), copy.end(),
                        [faceCount](DWORD f) { return f >= faceCount && f != kNoNeighbour; });
}

// New vertex -> old vertex for every old vertex slot; slots past the kept vertices get
// kNoNeighbour.
HRESULT MakeVertexRemap(const std::vector<DWORD>& order, DWORD oldCount, BufferHolder& out) {
    LPD3DXBUFFER buffer = NULL;
    if (HRESULT hr = D3DXCreateBuffer(oldCount * sizeof(DWORD), &buffer); FAILED(hr)) {
        return hr;
    }
    out.reset(buffer);
    DWORD* remap = static_cast<DWORD*>(buffer->GetBufferPointer());
    std::fill(remap, remap + oldCount, kNoNeighbour);
    std::copy(order.begin(), order.end(), remap);
    return D3D_OK;
}

} // namespace

HRESULT Mesh::FillAdjacency(FLOAT Epsilon, DWORD* pAdjacency) {
    std::vector<DWORD> indices;
    std::vector<D3DXVECTOR3> positions;
    HRESULT hr = ReadIndices(indices);
    if (SUCCEEDED(hr)) {
        hr = ReadPositions(positions);
    }
    if (FAILED(hr)) {
        return hr;
    }
    // The index buffer may have been written through LockIndexBuffer.
    if (std::any_of(indices.begin(), indices.end(),
                    [this](DWORD i) { return i >= vertexCount_; })) {
        return D3DERR_INVALIDCALL;
    }
    std::vector<DWORD> adjacency = ComputeAdjacency(positions, indices, Epsilon);
    std::copy(adjacency.begin(), adjacency.end(), pAdjacency);
    return D3D_OK;
}

HRESULT Mesh::Optimize(DWORD Flags, const DWORD* pAdjacencyIn, DWORD* pAdjacencyOut,
                       DWORD* pFaceRemap, LPD3DXBUFFER* ppVertexRemap) {
    const DWORD faceCount = GetNumFaces();
    std::vector<DWORD> adjacencyIn;
    // Adjacency out is the adjacency in, renumbered: it needs one.
    bool adjacencyOk = pAdjacencyIn ? CopyAdjacency(pAdjacencyIn, faceCount, adjacencyIn)
                                    : pAdjacencyOut == nullptr;
    if (!adjacencyOk) {
        return D3DERR_INVALIDCALL;
    }
    std::vector<DWORD> indices;
    if (HRESULT hr = ReadIndices(indices); FAILED(hr)) {
        return hr;
    }
    // The index buffer may have been written through LockIndexBuffer.
    if (std::any_of(indices.begin(), indices.end(),
                    [this](DWORD i) { return i >= vertexCount_; })) {
        return D3DERR_INVALIDCALL;
    }
    OptimizePlan plan;
    if (HRESULT hr = PlanOptimization(Flags, pAdjacencyIn != nullptr, indices, attributes_,
                                      vertexCount_, plan);
        FAILED(hr)) {
        return hr;
    }
    BufferHolder vertexRemap;
    if (ppVertexRemap) {
        if (HRESULT hr = MakeVertexRemap(plan.vertexOrder, vertexCount_, vertexRemap); FAILED(hr)) {
            return hr;
        }
    }

    std::vector<DWORD> newVertexOf(vertexCount_, kNoNeighbour);
    for (DWORD v = 0; v < plan.vertexOrder.size(); ++v) {
        newVertexOf[plan.vertexOrder[v]] = v;
    }
    std::vector<DWORD> newFaceOf(faceCount);
    std::vector<DWORD> newIndices(indices.size());
    std::vector<DWORD> newAttributes(faceCount);
    for (DWORD f = 0; f < faceCount; ++f) {
        DWORD old = plan.faceOrder[f];
        newFaceOf[old] = f;
        newAttributes[f] = attributes_[old];
        for (int corner = 0; corner < 3; ++corner) {
            newIndices[3 * f + corner] = newVertexOf[indices[3 * old + corner]];
        }
    }
    bool verticesMove = plan.vertexOrder.size() != vertexCount_ ||
                        !std::is_sorted(plan.vertexOrder.begin(), plan.vertexOrder.end());
    HRESULT hr = WriteIndices(newIndices);
    if (SUCCEEDED(hr) && verticesMove) {
        hr = ReorderVertices(plan.vertexOrder);
    }
    if (FAILED(hr)) {
        return hr;
    }
    attributes_ = std::move(newAttributes);
    if (plan.groupsFaces) {
        table_ = BuildAttributeTable(newIndices, attributes_);
    } else if (verticesMove) {
        RefreshVertexSpans(table_, newIndices);
    }

    if (pAdjacencyOut) {
        for (DWORD f = 0; f < faceCount; ++f) {
            for (int edge = 0; edge < 3; ++edge) {
                DWORD neighbour = adjacencyIn[3 * plan.faceOrder[f] + edge];
                pAdjacencyOut[3 * f + edge] =
                    neighbour == kNoNeighbour ? kNoNeighbour : newFaceOf[neighbour];
            }
        }
    }
    if (pFaceRemap) {
        std::copy(plan.faceOrder.begin(), plan.faceOrder.end(), pFaceRemap);
    }
    if (ppVertexRemap) {
        *ppVertexRemap = vertexRemap.release();
    }
    return D3D_OK;
}

} // namespace d3dx
