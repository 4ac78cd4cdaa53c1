// The IDirect3D9 object Direct3DCreate9 gives: one adapter with a configurable mode and caps.
#pragma once

#include "object.h"

namespace d3d9rec::detail {

class Direct3D final : public IDirect3D9, public RecordedObject {
public:
    Direct3D() : RecordedObject(nullptr) {}

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) override;
    HRESULT CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT format,
                                       BOOL windowed, D3DMULTISAMPLE_TYPE type,
                                       DWORD* qualityLevels) override;
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE deviceType, D3DCAPS9* caps) override;
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD behaviorFlags,
                         D3DPRESENT_PARAMETERS* params, IDirect3DDevice9** device) override;
};

} // namespace d3d9rec::detail
