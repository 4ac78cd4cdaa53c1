#include "direct3d.h"

#include "device.h"
#include "present_parameters.h"
#include "recorder.h"

namespace d3d9rec {

D3DCAPS9 DefaultCaps() {
    D3DCAPS9 caps{};
    caps.DeviceType = D3DDEVTYPE_HAL;
    caps.PresentationIntervals = D3DPRESENT_INTERVAL_ONE | D3DPRESENT_INTERVAL_IMMEDIATE;
    caps.DevCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT;
    caps.MaxTextureWidth = 4096;
    caps.MaxTextureHeight = 4096;
    return caps;
}

namespace detail {
namespace {

using d3d9common::KnownDeviceType;

constexpr UINT kOnlyAdapter = D3DADAPTER_DEFAULT;

} // namespace

HRESULT Direct3D::GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) {
    PendingCall call("GetAdapterDisplayMode", Id(), {adapter, Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (adapter != kOnlyAdapter || !mode) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *mode = Settings().displayMode;
    call.SetArg(1, *mode);
    return call.Finish(D3D_OK);
}

HRESULT Direct3D::CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT format,
                                             BOOL windowed, D3DMULTISAMPLE_TYPE type,
                                             DWORD* qualityLevels) {
    PendingCall call("CheckDeviceMultiSampleType", Id(),
                     {adapter, deviceType, format, windowed, type, Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    constexpr DWORD kMaxType = 16;
    if (adapter != kOnlyAdapter || !KnownDeviceType(deviceType) ||
        static_cast<DWORD>(type) > kMaxType) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    const Config& config = Settings();
    HRESULT answer = type == D3DMULTISAMPLE_NONE ? D3D_OK : config.multiSampleResult;
    if (SUCCEEDED(answer) && qualityLevels) {
        *qualityLevels = type == D3DMULTISAMPLE_NONE ? 1 : config.multiSampleQualityLevels;
        call.SetArg(5, *qualityLevels);
    }
    return call.Finish(answer);
}

HRESULT Direct3D::GetDeviceCaps(UINT adapter, D3DDEVTYPE deviceType, D3DCAPS9* caps) {
    PendingCall call("GetDeviceCaps", Id(), {adapter, deviceType, Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (adapter != kOnlyAdapter || !KnownDeviceType(deviceType) || !caps) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *caps = Settings().caps;
    caps->DeviceType = deviceType;
    caps->AdapterOrdinal = adapter;
    return call.Finish(D3D_OK);
}

HRESULT Direct3D::CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                               DWORD behaviorFlags, D3DPRESENT_PARAMETERS* params,
                               IDirect3DDevice9** device) {
    PendingCall call("CreateDevice", Id(),
                     {adapter, deviceType, reinterpret_cast<std::uintptr_t>(focusWindow),
                      behaviorFlags, params ? Value(*params) : Value(), Value()});
    if (device) {
        *device = nullptr;
    }
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (adapter != kOnlyAdapter || !KnownDeviceType(deviceType) || !params || !device ||
        !d3d9common::VertexProcessingAllowed(behaviorFlags, Settings().caps.DevCaps)) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    const Config& config = Settings();
    d3d9common::AdapterFacts facts{config.displayMode,       config.clientWidth,
                                   config.clientHeight,      config.caps.PresentationIntervals,
                                   config.multiSampleResult, config.multiSampleQualityLevels};
    auto resolved = d3d9common::ResolvePresentParameters(*params, focusWindow, facts);
    if (!resolved) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *params = *resolved;
    auto* created = new Device(this, *resolved);
    *device = created;
    call.SetArg(5, ObjectRef{created->Id()});
    return call.Finish(D3D_OK);
}

} // namespace detail
} // namespace d3d9rec

IDirect3D9* WINAPI Direct3DCreate9(UINT SDKVersion) {
    using namespace d3d9rec;
    detail::PendingCall call("Direct3DCreate9", 0, {SDKVersion, Value()});
    constexpr UINT kDebugRuntimeBit = 0x80000000u;
    if (call.Injected()) {
        call.Finish(D3D_OK);
        return nullptr;
    }
    if ((SDKVersion & ~kDebugRuntimeBit) != D3D_SDK_VERSION) {
        call.Finish(D3DERR_INVALIDCALL);
        return nullptr;
    }
    auto* d3d = new detail::Direct3D();
    call.SetArg(1, ObjectRef{d3d->Id()});
    call.Finish(D3D_OK);
    return d3d;
}
