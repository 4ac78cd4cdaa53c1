// The recording IDirect3DDevice9: keeps the state a real device would (render states,
// transforms, viewport, bound buffers and textures) and checks every call against it.
#pragma once

#include "object.h"
#include "device_states.h"

#include <array>
#include <map>
#include <optional>

namespace d3d9rec::detail {

class Direct3D;
class Texture;
class VertexBuffer;
class IndexBuffer;

class Device final : public IDirect3DDevice9, public RecordedObject {
public:
    static constexpr DWORD kHighestRenderState = d3d9common::kHighestRenderState;
    static constexpr DWORD kSamplers = 16;
    static constexpr DWORD kTextureStages = 8;
    static constexpr UINT kStreams = 16;

    // `params` must already be resolved (see ResolvePresentParameters).
    Device(Direct3D* direct3d, const D3DPRESENT_PARAMETERS& params);
    ~Device() override;

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetDirect3D(IDirect3D9** direct3d) override;

    // device.cpp: frames and the viewport.
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                  DWORD stencil) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindow,
                    const RGNDATA* dirtyRegion) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT SetViewport(const D3DVIEWPORT9* viewport) override;
    HRESULT GetViewport(D3DVIEWPORT9* viewport) override;

    // device_state.cpp: fixed-function state.
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) override;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT9* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT SetMaterial(const D3DMATERIAL9* material) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) override;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override;

    // device_create.cpp: resources.
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                          D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* sharedHandle) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer9** buffer, HANDLE* sharedHandle) override;
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DIndexBuffer9** buffer, HANDLE* sharedHandle) override;

    // device_draw.cpp: vertex input and drawing.
    HRESULT SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset,
                            UINT stride) override;
    HRESULT SetIndices(IDirect3DIndexBuffer9* buffer) override;
    HRESULT SetFVF(DWORD fvf) override;
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) override;
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex, UINT minVertexIndex,
                                 UINT numVertices, UINT startIndex, UINT primitiveCount) override;

private:
    struct Stream {
        VertexBuffer* buffer = nullptr;
        UINT offset = 0;
        UINT stride = 0;
    };

    void ResetRenderStates();
    D3DMATRIX Transform(DWORD state) const;
    // What a draw reads from stream 0 for vertices first .. first + count - 1, or nothing
    // when those vertices are not all inside the bound buffer.
    std::optional<Drawn> ReadVertices(std::int64_t first, std::uint64_t count) const;

    Direct3D* direct3d_;
    D3DPRESENT_PARAMETERS params_;
    bool inScene_ = false;
    D3DVIEWPORT9 viewport_;
    std::array<DWORD, kHighestRenderState + 1> renderStates_{};
    std::map<DWORD, D3DMATRIX> transforms_; // absent: identity
    std::array<Texture*, kSamplers> textures_{};
    std::array<Stream, kStreams> streams_{};
    IndexBuffer* indices_ = nullptr;
    DWORD fvf_ = 0;
};

} // namespace d3d9rec::detail
