#include "present_parameters.h"

namespace d3d9common {
namespace {

constexpr UINT kMaxBackBuffers = 3;
constexpr DWORD kMaxMultiSampleType = 16;

bool MultiSampleAllowed(const D3DPRESENT_PARAMETERS& p, const AdapterFacts& facts) {
    DWORD type = p.MultiSampleType;
    if (type > kMaxMultiSampleType) {
        return false;
    }
    if (type == D3DMULTISAMPLE_NONE) {
        return p.MultiSampleQuality == 0;
    }
    return p.SwapEffect == D3DSWAPEFFECT_DISCARD && SUCCEEDED(facts.multiSampleResult) &&
           p.MultiSampleQuality < facts.multiSampleQualityLevels;
}

bool IntervalAllowed(UINT interval, DWORD supported) {
    return interval == D3DPRESENT_INTERVAL_DEFAULT || (interval & supported) == interval;
}

} // namespace

bool KnownDeviceType(D3DDEVTYPE type) {
    return type >= D3DDEVTYPE_HAL && type <= D3DDEVTYPE_NULLREF;
}

bool VertexProcessingAllowed(DWORD behaviorFlags, DWORD devCaps) {
    constexpr DWORD kVertexProcessingFlags = D3DCREATE_SOFTWARE_VERTEXPROCESSING |
                                             D3DCREATE_HARDWARE_VERTEXPROCESSING |
                                             D3DCREATE_MIXED_VERTEXPROCESSING;
    DWORD kind = behaviorFlags & kVertexProcessingFlags;
    if (kind != D3DCREATE_SOFTWARE_VERTEXPROCESSING &&
        kind != D3DCREATE_HARDWARE_VERTEXPROCESSING && kind != D3DCREATE_MIXED_VERTEXPROCESSING) {
        return false;
    }
    return kind == D3DCREATE_SOFTWARE_VERTEXPROCESSING ||
           (devCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT);
}

bool IsDepthFormat(D3DFORMAT format) {
    return format == D3DFMT_D16 || format == D3DFMT_D24S8 || format == D3DFMT_D24X8 ||
           format == D3DFMT_D32;
}

bool HasStencil(D3DFORMAT format) {
    return format == D3DFMT_D24S8;
}

std::optional<D3DPRESENT_PARAMETERS> ResolvePresentParameters(const D3DPRESENT_PARAMETERS& asked,
                                                              HWND focusWindow,
                                                              const AdapterFacts& facts) {
    D3DPRESENT_PARAMETERS p = asked;
    if (p.SwapEffect < D3DSWAPEFFECT_DISCARD || p.SwapEffect > D3DSWAPEFFECT_COPY ||
        p.BackBufferCount > kMaxBackBuffers || !MultiSampleAllowed(p, facts) ||
        !IntervalAllowed(p.PresentationInterval, facts.presentationIntervals) ||
        (p.EnableAutoDepthStencil && !IsDepthFormat(p.AutoDepthStencilFormat)) ||
        (!p.hDeviceWindow && !focusWindow)) {
        return std::nullopt;
    }
    if (p.Windowed) {
        // A windowed device may not choose a refresh rate; zero sizes take the client area.
        if (p.FullScreen_RefreshRateInHz != 0) {
            return std::nullopt;
        }
        if (p.BackBufferWidth == 0) {
            p.BackBufferWidth = facts.clientWidth;
        }
        if (p.BackBufferHeight == 0) {
            p.BackBufferHeight = facts.clientHeight;
        }
    } else {
        if (!focusWindow) {
            return std::nullopt;
        }
        if (p.BackBufferWidth == 0) {
            p.BackBufferWidth = facts.displayMode.Width;
        }
        if (p.BackBufferHeight == 0) {
            p.BackBufferHeight = facts.displayMode.Height;
        }
    }
    if (p.BackBufferWidth == 0 || p.BackBufferHeight == 0) {
        return std::nullopt;
    }
    if (p.BackBufferFormat == D3DFMT_UNKNOWN) {
        p.BackBufferFormat = facts.displayMode.Format;
    }
    if (p.BackBufferCount == 0) {
        p.BackBufferCount = 1;
    }
    return p;
}

} // namespace d3d9common
