#include "present_parameters.h"

#include "d3d9_recording.h"

namespace d3d9rec::detail {
namespace {

constexpr UINT kMaxBackBuffers = 3;
constexpr DWORD kMaxMultiSampleType = 16;

bool MultiSampleAllowed(const D3DPRESENT_PARAMETERS& p) {
    DWORD type = p.MultiSampleType;
    if (type > kMaxMultiSampleType) {
        return false;
    }
    if (type == D3DMULTISAMPLE_NONE) {
        return p.MultiSampleQuality == 0;
    }
    const Config& config = Settings();
    return p.SwapEffect == D3DSWAPEFFECT_DISCARD && SUCCEEDED(config.multiSampleResult) &&
           p.MultiSampleQuality < config.multiSampleQualityLevels;
}

bool IntervalAllowed(UINT interval) {
    return interval == D3DPRESENT_INTERVAL_DEFAULT ||
           (interval & Settings().caps.PresentationIntervals) == interval;
}

} // namespace

bool IsDepthFormat(D3DFORMAT format) {
    return format == D3DFMT_D16 || format == D3DFMT_D24S8 || format == D3DFMT_D24X8 ||
           format == D3DFMT_D32;
}

bool HasStencil(D3DFORMAT format) {
    return format == D3DFMT_D24S8;
}

std::optional<D3DPRESENT_PARAMETERS> ResolvePresentParameters(const D3DPRESENT_PARAMETERS& asked,
                                                              HWND focusWindow) {
    D3DPRESENT_PARAMETERS p = asked;
    if (p.SwapEffect < D3DSWAPEFFECT_DISCARD || p.SwapEffect > D3DSWAPEFFECT_COPY ||
        p.BackBufferCount > kMaxBackBuffers || !MultiSampleAllowed(p) ||
        !IntervalAllowed(p.PresentationInterval) ||
        (p.EnableAutoDepthStencil && !IsDepthFormat(p.AutoDepthStencilFormat)) ||
        (!p.hDeviceWindow && !focusWindow)) {
        return std::nullopt;
    }
    const Config& config = Settings();
    if (p.Windowed) {
        // A windowed device may not choose a refresh rate; zero sizes take the client area.
        if (p.FullScreen_RefreshRateInHz != 0) {
            return std::nullopt;
        }
        if (p.BackBufferWidth == 0) {
            p.BackBufferWidth = config.clientWidth;
        }
        if (p.BackBufferHeight == 0) {
            p.BackBufferHeight = config.clientHeight;
        }
    } else {
        if (!focusWindow) {
            return std::nullopt;
        }
        if (p.BackBufferWidth == 0) {
            p.BackBufferWidth = config.displayMode.Width;
        }
        if (p.BackBufferHeight == 0) {
            p.BackBufferHeight = config.displayMode.Height;
        }
    }
    if (p.BackBufferWidth == 0 || p.BackBufferHeight == 0) {
        return std::nullopt;
    }
    if (p.BackBufferFormat == D3DFMT_UNKNOWN) {
        p.BackBufferFormat = config.displayMode.Format;
    }
    if (p.BackBufferCount == 0) {
        p.BackBufferCount = 1;
    }
    return p;
}

} // namespace d3d9rec::detail
