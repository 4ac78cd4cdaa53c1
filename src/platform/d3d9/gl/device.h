// The OpenGL IDirect3DDevice9: keeps the platform's device state (render states, transforms,
// lights, material, texture stages, samplers, streams) and turns it into GL state and shader
// inputs when something is drawn. GL state is cached, so unchanged state costs no GL call.
#pragma once

#include "back_buffer.h"
#include "device_states.h"
#include "gl_state.h"
#include "ref_counted.h"
#include "shader_program.h"
#include "vertex_layout.h"

#include <SDL.h>

#include <array>
#include <map>
#include <memory>
#include <vector>

namespace d3d9gl::detail {

class Direct3D;
class Texture;
class VertexBuffer;
class IndexBuffer;

class Device final : public IDirect3DDevice9, public d3d9common::RefCounted {
public:
    static constexpr DWORD kHighestRenderState = d3d9common::kHighestRenderState;
    static constexpr DWORD kHighestStageState = 32;   // D3DTSS_CONSTANT
    static constexpr DWORD kHighestSamplerState = 13; // D3DSAMP_DMAPOFFSET
    static constexpr DWORD kSamplers = 16;
    static constexpr DWORD kTextureStages = 8;
    static constexpr UINT kStreams = 16;

    // Takes over `context` (current on `window`); null when GL cannot give the device what
    // `params` (already resolved) ask for.
    static Device* Create(Direct3D* direct3d, const D3DPRESENT_PARAMETERS& params, HWND hwnd,
                          SDL_Window* window, SDL_GLContext context);

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

    // For the device's resources and the test functions: the GL state with this device's
    // context made current (or calling nothing once the window is gone).
    GlState& Gl();
    // A GL buffer or texture is about to be deleted: forget every binding of it.
    void ForgetBuffer(GLuint buffer);
    void ForgetTexture(GLuint texture);
    std::vector<D3DCOLOR> ReadBackBuffer(const RECT& area);
    int FramebufferSamples() const { return backBuffer_->Samples(); }

private:
    struct Stream {
        VertexBuffer* buffer = nullptr;
        UINT offset = 0;
        UINT stride = 0;
    };
    // What the vertex attributes were last pointed at.
    struct AppliedInput {
        GLuint buffer = 0;
        UINT offset = 0;
        UINT stride = 0;
        DWORD fvf = 0;
        bool operator==(const AppliedInput&) const = default;
    };
    struct AppliedSampler {
        std::array<GLint, 4> values{}; // wrap s, wrap t, min filter, mag filter
        bool known = false;
    };

    Device(Direct3D* direct3d, const D3DPRESENT_PARAMETERS& params, HWND hwnd, SDL_Window* window,
           SDL_GLContext context);
    ~Device() override;

    // The device window still has its SDL window (a destroyed window is forgotten first).
    bool WindowAlive() const;

    void ResetStates();
    // False when the program this state needs cannot be had.
    bool ApplyDrawState(const VertexLayout& layout);
    void ApplyRasterState();
    void ApplyTexture();
    void ApplyVertexInput(const VertexLayout& layout);
    void UpdateTransformInputs();
    void UpdateLightInputs();
    void UpdateMaterialInputs();
    DWORD Rs(D3DRENDERSTATETYPE state) const { return renderStates_[state]; }
    // Vertices available in stream 0 from its offset, or 0 when it cannot be drawn from.
    std::uint64_t StreamVertices(const VertexLayout& layout) const;

    Direct3D* direct3d_;
    D3DPRESENT_PARAMETERS params_;
    HWND hwnd_;
    SDL_Window* window_;
    SDL_GLContext context_;
    GlState gl_;
    std::unique_ptr<ShaderCache> shaders_;
    std::unique_ptr<BackBuffer> backBuffer_;
    GLuint vertexArray_ = 0;
    GLuint sampler_ = 0;

    bool inScene_ = false;
    D3DVIEWPORT9 viewport_;
    std::array<DWORD, kHighestRenderState + 1> renderStates_{};
    std::map<DWORD, D3DMATRIX> transforms_; // absent: identity
    bool transformsChanged_ = true;
    std::map<DWORD, D3DLIGHT9> lights_;
    std::vector<DWORD> enabledLights_; // in the order they were enabled
    bool lightsChanged_ = true;
    D3DMATERIAL9 material_{};
    std::array<Texture*, kSamplers> textures_{};
    std::array<std::array<DWORD, kHighestStageState + 1>, kTextureStages> stageStates_{};
    std::array<std::array<DWORD, kHighestSamplerState + 1>, kSamplers> samplerStates_{};
    std::array<Stream, kStreams> streams_{};
    IndexBuffer* indices_ = nullptr;
    DWORD fvf_ = 0;

    ShaderInputs inputs_;
    AppliedInput appliedInput_;
    bool inputApplied_ = false;
    AppliedSampler appliedSampler_;
};

} // namespace d3d9gl::detail
