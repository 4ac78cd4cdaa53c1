// Which render states and transforms a device keeps, and what a new device starts with.
#pragma once

#include <d3d9.h>

#include <span>

namespace d3d9common {

// The highest render state either device keeps.
constexpr DWORD kHighestRenderState = 209;

// The matrix of a transform that was never set.
inline constexpr D3DMATRIX kIdentity = {{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}};

// View, projection, the eight texture matrices and the 256 world matrices.
inline bool KnownTransform(DWORD state) {
    constexpr DWORD kTextureStages = 8, kWorldMatrices = 256;
    return state == D3DTS_VIEW || state == D3DTS_PROJECTION ||
           (state >= D3DTS_TEXTURE0 && state < D3DTS_TEXTURE0 + kTextureStages) ||
           (state >= D3DTS_WORLD && state < D3DTS_WORLD + kWorldMatrices);
}

inline bool KnownRenderState(DWORD state) {
    return state > 0 && state <= kHighestRenderState;
}

// Fills `states` (indexed by state) with the platform's defaults for every state the game
// uses, and 0 for the rest. The depth test starts on when the device has a depth buffer.
void SetDefaultRenderStates(std::span<DWORD, kHighestRenderState + 1> states,
                            BOOL autoDepthStencil);

} // namespace d3d9common
