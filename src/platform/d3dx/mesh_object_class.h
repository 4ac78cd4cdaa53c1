// The ID3DXMesh behind CreateMesh: vertex and index buffers on the device, the attributes and
// the attribute table in memory. Shared by the files that implement its methods.
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>
#include <d3dx9mesh.h>

#include <atomic>
#include <new>
#include <vector>

#include "mesh_vertex.h"

namespace d3dx {

class Mesh final : public ID3DXMesh {
public:
    Mesh(IDirect3DDevice9* device, DWORD options, DWORD fvf, DWORD vertexCount,
         IDirect3DVertexBuffer9* vb, IDirect3DIndexBuffer9* ib, std::vector<DWORD> attributes)
        : device_(device), options_(options), fvf_(fvf), vertexCount_(vertexCount), vb_(vb),
          ib_(ib), attributes_(std::move(attributes)) {
        device_->AddRef();
    }

    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        ULONG left = --refs_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT DrawSubset(DWORD AttribId) override;
    DWORD GetNumFaces() override { return static_cast<DWORD>(attributes_.size()); }
    DWORD GetNumVertices() override { return vertexCount_; }
    DWORD GetFVF() override { return fvf_; }
    DWORD GetNumBytesPerVertex() override { return VertexStride(fvf_); }
    DWORD GetOptions() override { return options_; }
    HRESULT GetDevice(LPDIRECT3DDEVICE9* ppDevice) override { return HandOut(device_, ppDevice); }
    HRESULT GetVertexBuffer(LPDIRECT3DVERTEXBUFFER9* ppVB) override { return HandOut(vb_, ppVB); }
    HRESULT GetIndexBuffer(LPDIRECT3DINDEXBUFFER9* ppIB) override { return HandOut(ib_, ppIB); }
    HRESULT LockVertexBuffer(DWORD Flags, LPVOID* ppData) override {
        return ppData ? vb_->Lock(0, 0, ppData, Flags) : D3DERR_INVALIDCALL;
    }
    HRESULT UnlockVertexBuffer() override { return vb_->Unlock(); }
    HRESULT LockIndexBuffer(DWORD Flags, LPVOID* ppData) override {
        return ppData ? ib_->Lock(0, 0, ppData, Flags) : D3DERR_INVALIDCALL;
    }
    HRESULT UnlockIndexBuffer() override { return ib_->Unlock(); }
    HRESULT GetAttributeTable(D3DXATTRIBUTERANGE* pAttribTable, DWORD* pAttribTableSize) override;
    HRESULT GenerateAdjacency(FLOAT Epsilon, DWORD* pAdjacency) override {
        if (!pAdjacency) {
            return D3DERR_INVALIDCALL;
        }
        return Guarded([&] { return FillAdjacency(Epsilon, pAdjacency); });
    }

    HRESULT LockAttributeBuffer(DWORD Flags, DWORD** ppData) override;
    HRESULT UnlockAttributeBuffer() override;
    HRESULT OptimizeInplace(DWORD Flags, const DWORD* pAdjacencyIn, DWORD* pAdjacencyOut,
                            DWORD* pFaceRemap, LPD3DXBUFFER* ppVertexRemap) override {
        if (ppVertexRemap) {
            *ppVertexRemap = NULL;
        }
        return Guarded([&] {
            return Optimize(Flags, pAdjacencyIn, pAdjacencyOut, pFaceRemap, ppVertexRemap);
        });
    }
    HRESULT SetAttributeTable(const D3DXATTRIBUTERANGE* pAttribTable,
                              DWORD cAttribTableSize) override;

private:
    ~Mesh() override {
        ib_->Release();
        vb_->Release();
        device_->Release();
    }

    template <class T> static HRESULT HandOut(T* object, T** out) {
        if (!out) {
            return D3DERR_INVALIDCALL;
        }
        object->AddRef();
        *out = object;
        return D3D_OK;
    }

    // Runs work that allocates: running out of memory answers E_OUTOFMEMORY.
    template <class Work> static HRESULT Guarded(Work work) {
        try {
            return work();
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }
    HRESULT FillAdjacency(FLOAT Epsilon, DWORD* pAdjacency);
    HRESULT Optimize(DWORD Flags, const DWORD* pAdjacencyIn, DWORD* pAdjacencyOut,
                     DWORD* pFaceRemap, LPD3DXBUFFER* ppVertexRemap);

    bool Uses32BitIndices() const { return (options_ & D3DXMESH_32BIT) != 0; }
    HRESULT ReadIndices(std::vector<DWORD>& indices);
    HRESULT WriteIndices(const std::vector<DWORD>& indices);
    HRESULT ReadPositions(std::vector<D3DXVECTOR3>& positions);
    HRESULT ReorderVertices(const std::vector<DWORD>& order);

    std::atomic<ULONG> refs_{1};
    IDirect3DDevice9* device_;
    DWORD options_;
    DWORD fvf_;
    DWORD vertexCount_;
    IDirect3DVertexBuffer9* vb_;
    IDirect3DIndexBuffer9* ib_;
    std::vector<DWORD> attributes_;
    std::vector<D3DXATTRIBUTERANGE> table_;
    int attributeLocks_ = 0;
};

// Writes `indices` into `ib` as 16-bit or (wide) 32-bit indices.
HRESULT StoreIndices(IDirect3DIndexBuffer9* ib, bool wide, const std::vector<DWORD>& indices);

} // namespace d3dx
