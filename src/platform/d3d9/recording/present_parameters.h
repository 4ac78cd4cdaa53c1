// Checking and filling in the presentation parameters CreateDevice is given.
#pragma once

#include <d3d9.h>

#include <optional>

namespace d3d9rec::detail {

// The parameters as the device will use them (zero sizes, unknown formats and a zero back
// buffer count filled in), or nothing when the real device would refuse them.
std::optional<D3DPRESENT_PARAMETERS> ResolvePresentParameters(const D3DPRESENT_PARAMETERS& asked,
                                                              HWND focusWindow);

bool IsDepthFormat(D3DFORMAT format);
bool HasStencil(D3DFORMAT format);

} // namespace d3d9rec::detail
