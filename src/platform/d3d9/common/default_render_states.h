// The render states a new device starts with.
#pragma once

#include <d3d9.h>

#include <span>

namespace d3d9common {

// The highest render state either device keeps.
constexpr DWORD kHighestRenderState = 209;

// Fills `states` (indexed by state) with the platform's defaults for every state the game
// uses, and 0 for the rest. The depth test starts on when the device has a depth buffer.
void SetDefaultRenderStates(std::span<DWORD, kHighestRenderState + 1> states,
                            BOOL autoDepthStencil);

} // namespace d3d9common
