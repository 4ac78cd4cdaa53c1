// Device set-up: the Direct3D object and device for the game window in the program's display
// configuration, then every rendering default the game takes for granted (transforms, font,
// light, first grid, ground plane, sound player, start values of the state flags).
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>

// What sets the four programs apart: windowed or full screen at the desktop's mode, with or
// without twofold multisampling (checked before the device is made).
struct DisplayConfiguration {
    BOOL windowed;
    D3DMULTISAMPLE_TYPE multiSample;
};

// The configuration this program was built with; each program links its own.
extern const DisplayConfiguration kDisplayConfiguration;

// InitD3DWith(window, kDisplayConfiguration).
HRESULT InitD3D(HWND window);
// 0 on success; E_FAIL once a failed step has been reported in a message box (what was made
// before the failure stays in place).
HRESULT InitD3DWith(HWND window, const DisplayConfiguration& configuration);

// The presentation parameters of a configuration for that window, given the adapter's
// current display mode.
D3DPRESENT_PARAMETERS PresentParametersFor(const DisplayConfiguration& configuration,
                                           const D3DDISPLAYMODE& displayMode, HWND window);

// The game's one projection: 60 degrees of view vertically (pi / 3 in single precision),
// the given width-to-height aspect, near plane 0.5, far plane 1000.
void GameProjection(D3DXMATRIX* projection, float aspect);
