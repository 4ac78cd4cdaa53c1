// Checking what CreateDevice is given, and filling in the presentation parameters.
#pragma once

#include <d3d9.h>

#include <optional>

namespace d3d9common {

// What the adapter and the device window offer, as the device being made sees them.
struct AdapterFacts {
    D3DDISPLAYMODE displayMode;
    // Client area of the device window: what a windowed 0 x 0 back buffer takes.
    UINT clientWidth;
    UINT clientHeight;
    DWORD presentationIntervals; // D3DCAPS9::PresentationIntervals
    // CheckDeviceMultiSampleType's answer for the type asked for, and its quality levels.
    HRESULT multiSampleResult;
    DWORD multiSampleQualityLevels;
};

// The parameters as the device will use them (zero sizes, unknown formats and a zero back
// buffer count filled in), or nothing when the real device would refuse them.
std::optional<D3DPRESENT_PARAMETERS> ResolvePresentParameters(const D3DPRESENT_PARAMETERS& asked,
                                                              HWND focusWindow,
                                                              const AdapterFacts& facts);

bool KnownDeviceType(D3DDEVTYPE type);
// Exactly one kind of vertex processing, and hardware processing only with hardware T&L
// among the device capabilities `devCaps`.
bool VertexProcessingAllowed(DWORD behaviorFlags, DWORD devCaps);

bool IsDepthFormat(D3DFORMAT format);
bool HasStencil(D3DFORMAT format);

} // namespace d3d9common
