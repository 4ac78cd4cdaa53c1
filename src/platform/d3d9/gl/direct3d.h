// The IDirect3D9 object Direct3DCreate9 gives: the one adapter is SDL's first display and the
// OpenGL driver behind it.
#pragma once

#include "ref_counted.h"

#include <d3d9.h>

namespace d3d9gl::detail {

class Direct3D final : public IDirect3D9, public d3d9common::RefCounted {
public:
    Direct3D();

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) override;
    HRESULT CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT format,
                                       BOOL windowed, D3DMULTISAMPLE_TYPE type,
                                       DWORD* qualityLevels) override;
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE deviceType, D3DCAPS9* caps) override;
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD behaviorFlags,
                         D3DPRESENT_PARAMETERS* params, IDirect3DDevice9** device) override;

private:
    // CheckDeviceMultiSampleType's answer for a known format and type.
    HRESULT MultiSampleAnswer(D3DMULTISAMPLE_TYPE type) const;

    bool videoReady_; // SDL video is up: there is a display to draw on
};

} // namespace d3d9gl::detail
