#include "device.h"

#include "buffers.h"
#include "direct3d.h"
#include "present_parameters.h"
#include "recorder.h"
#include "texture.h"

#include <cstdint>

namespace d3d9rec::detail {

using d3d9common::HasStencil;

Device::Device(Direct3D* direct3d, const D3DPRESENT_PARAMETERS& params)
    : RecordedObject(direct3d), direct3d_(direct3d),
      params_(params), viewport_{0,    0,   params.BackBufferWidth, params.BackBufferHeight,
                                 0.0f, 1.0f} {
    ResetRenderStates();
}

Device::~Device() {
    for (Texture*& texture : textures_) {
        Rebind<Texture>(texture, nullptr);
    }
    for (Stream& stream : streams_) {
        Rebind<VertexBuffer>(stream.buffer, nullptr);
    }
    Rebind<IndexBuffer>(indices_, nullptr);
}

HRESULT Device::GetDirect3D(IDirect3D9** direct3d) {
    PendingCall call("GetDirect3D", Id(), {Value()});
    if (direct3d) {
        *direct3d = nullptr;
    }
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!direct3d) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    direct3d_->AddRef();
    *direct3d = direct3d_;
    call.SetArg(0, ObjectRef{direct3d_->Id()});
    return call.Finish(D3D_OK);
}

HRESULT Device::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                      DWORD stencil) {
    Value rectsArg;
    if (rects) {
        rectsArg = std::vector<D3DRECT>(rects, rects + count);
    }
    PendingCall call("Clear", Id(), {count, rectsArg, flags, color, z, stencil});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    constexpr DWORD kAllClearFlags = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    bool hasDepth = params_.EnableAutoDepthStencil;
    bool badDepth = (flags & D3DCLEAR_ZBUFFER) && (!hasDepth || !(z >= 0.0f && z <= 1.0f));
    bool badStencil =
        (flags & D3DCLEAR_STENCIL) && !(hasDepth && HasStencil(params_.AutoDepthStencilFormat));
    if ((count > 0 && !rects) || flags == 0 || (flags & ~kAllClearFlags) || badDepth ||
        badStencil) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    return call.Finish(D3D_OK);
}

HRESULT Device::Present(const RECT* sourceRect, const RECT* destRect, HWND destWindow,
                        const RGNDATA* dirtyRegion) {
    PendingCall call("Present", Id(),
                     {sourceRect ? Value(*sourceRect) : Value(),
                      destRect ? Value(*destRect) : Value(),
                      reinterpret_cast<std::uintptr_t>(destWindow),
                      dirtyRegion ? Value(std::string("region")) : Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    // Only a copying swap chain may present part of the back buffer.
    if ((sourceRect || destRect) && params_.SwapEffect != D3DSWAPEFFECT_COPY) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    return call.Finish(D3D_OK);
}

HRESULT Device::BeginScene() {
    PendingCall call("BeginScene", Id(), {});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (inScene_) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    inScene_ = true;
    return call.Finish(D3D_OK);
}

HRESULT Device::EndScene() {
    PendingCall call("EndScene", Id(), {});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!inScene_) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    inScene_ = false;
    return call.Finish(D3D_OK);
}

HRESULT Device::SetViewport(const D3DVIEWPORT9* viewport) {
    PendingCall call("SetViewport", Id(), {viewport ? Value(*viewport) : Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    // The viewport must lie inside the back buffer.
    if (!viewport || std::uint64_t{viewport->X} + viewport->Width > params_.BackBufferWidth ||
        std::uint64_t{viewport->Y} + viewport->Height > params_.BackBufferHeight) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    viewport_ = *viewport;
    return call.Finish(D3D_OK);
}

HRESULT Device::GetViewport(D3DVIEWPORT9* viewport) {
    PendingCall call("GetViewport", Id(), {Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!viewport) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *viewport = viewport_;
    call.SetArg(0, viewport_);
    return call.Finish(D3D_OK);
}

} // namespace d3d9rec::detail
