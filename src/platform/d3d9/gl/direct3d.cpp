#include "direct3d.h"

#include "device.h"
#include "gl_context.h"
#include "present_parameters.h"
#include "sdl_video.h"
#include "sdl_window.h"
#include "texture.h"

#include <SDL.h>

namespace d3d9gl::detail {
namespace {

constexpr UINT kOnlyAdapter = D3DADAPTER_DEFAULT;
constexpr DWORD kMaxMultiSampleType = 16;

bool RenderFormat(D3DFORMAT format) {
    return format == D3DFMT_A8R8G8B8 || format == D3DFMT_X8R8G8B8 ||
           d3d9common::IsDepthFormat(format);
}

// The desktop mode of the first display; refresh rate 0 (unknown) stays 0.
bool DesktopMode(D3DDISPLAYMODE& mode) {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        return false;
    }
    mode = D3DDISPLAYMODE{UINT(desktop.w), UINT(desktop.h), UINT(desktop.refresh_rate),
                          D3DFMT_X8R8G8B8};
    return true;
}

} // namespace

// SDL video, once started, stays up until the program ends (shared with the windows).
Direct3D::Direct3D() : RefCounted(nullptr), videoReady_(win32sdl::EnsureSdlVideo()) {}

HRESULT Direct3D::GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) {
    if (adapter != kOnlyAdapter || !mode) {
        return D3DERR_INVALIDCALL;
    }
    return videoReady_ && DesktopMode(*mode) ? D3D_OK : D3DERR_NOTAVAILABLE;
}

HRESULT Direct3D::MultiSampleAnswer(D3DMULTISAMPLE_TYPE type) const {
    if (type == D3DMULTISAMPLE_NONE || type == D3DMULTISAMPLE_NONMASKABLE) {
        return D3D_OK;
    }
    if (!videoReady_) {
        return D3DERR_NOTAVAILABLE;
    }
    const DriverLimits& limits = QueryDriverLimits();
    return limits.coreContext && DWORD(limits.maxSamples) >= DWORD(type) ? D3D_OK
                                                                         : D3DERR_NOTAVAILABLE;
}

HRESULT Direct3D::CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT format,
                                             BOOL, D3DMULTISAMPLE_TYPE type, DWORD* qualityLevels) {
    if (adapter != kOnlyAdapter || !d3d9common::KnownDeviceType(deviceType) ||
        DWORD(type) > kMaxMultiSampleType) {
        return D3DERR_INVALIDCALL;
    }
    HRESULT answer = RenderFormat(format) ? MultiSampleAnswer(type) : D3DERR_NOTAVAILABLE;
    if (SUCCEEDED(answer) && qualityLevels) {
        *qualityLevels = 1;
    }
    return answer;
}

HRESULT Direct3D::GetDeviceCaps(UINT adapter, D3DDEVTYPE deviceType, D3DCAPS9* caps) {
    if (adapter != kOnlyAdapter || !d3d9common::KnownDeviceType(deviceType) || !caps) {
        return D3DERR_INVALIDCALL;
    }
    *caps = D3DCAPS9{};
    caps->DeviceType = deviceType;
    caps->AdapterOrdinal = adapter;
    caps->PresentationIntervals = D3DPRESENT_INTERVAL_ONE | D3DPRESENT_INTERVAL_IMMEDIATE;
    caps->DevCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT;
    caps->MaxTextureWidth = caps->MaxTextureHeight = kMaxTextureSide;
    return D3D_OK;
}

HRESULT Direct3D::CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                               DWORD behaviorFlags, D3DPRESENT_PARAMETERS* params,
                               IDirect3DDevice9** device) {
    if (device) {
        *device = nullptr;
    }
    if (adapter != kOnlyAdapter || !d3d9common::KnownDeviceType(deviceType) || !params || !device ||
        !d3d9common::VertexProcessingAllowed(behaviorFlags, D3DDEVCAPS_HWTRANSFORMANDLIGHT)) {
        return D3DERR_INVALIDCALL;
    }
    // The device draws into the SDL window behind the device window (or the focus window).
    HWND hwnd = params->hDeviceWindow ? params->hDeviceWindow : focusWindow;
    SDL_Window* window = win32sdl::SdlWindowOf(hwnd);
    D3DDISPLAYMODE desktop{};
    if (!videoReady_ || !window || !DesktopMode(desktop)) {
        return D3DERR_NOTAVAILABLE;
    }
    int clientWidth = 0, clientHeight = 0;
    SDL_GL_GetDrawableSize(window, &clientWidth, &clientHeight);
    d3d9common::AdapterFacts facts{desktop,
                                   UINT(clientWidth),
                                   UINT(clientHeight),
                                   D3DPRESENT_INTERVAL_ONE | D3DPRESENT_INTERVAL_IMMEDIATE,
                                   MultiSampleAnswer(params->MultiSampleType),
                                   1};
    auto resolved = d3d9common::ResolvePresentParameters(*params, focusWindow, facts);
    if (!resolved) {
        return D3DERR_INVALIDCALL;
    }
    if (!resolved->Windowed &&
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        return D3DERR_NOTAVAILABLE;
    }
    SDL_GLContext context = CreateCoreContext(window);
    Device* created = context ? Device::Create(this, *resolved, hwnd, window, context) : nullptr;
    if (!created) {
        if (!resolved->Windowed) {
            SDL_SetWindowFullscreen(window, 0);
        }
        return D3DERR_NOTAVAILABLE;
    }
    *params = *resolved;
    *device = created;
    return D3D_OK;
}

} // namespace d3d9gl::detail

IDirect3D9* WINAPI Direct3DCreate9(UINT SDKVersion) {
    constexpr UINT kDebugRuntimeBit = 0x80000000u;
    if ((SDKVersion & ~kDebugRuntimeBit) != D3D_SDK_VERSION) {
        return nullptr;
    }
    return new d3d9gl::detail::Direct3D();
}
