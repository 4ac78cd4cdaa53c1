// Test access to the OpenGL Direct3D 9 device.
//
// Linking platform::d3d9_gl gives a program a Direct3DCreate9 whose devices draw with OpenGL
// 3.3 core into the SDL window behind the device window. Tests read back what was drawn and
// count the GL calls the device made through these functions; game code never uses them.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <vector>

namespace d3d9gl {

// The pixels of `area` of the back buffer as drawn so far (call before Present), rows from
// the top, each 0xAARRGGBB. Empty for a device of another implementation or an area not
// inside the back buffer.
std::vector<D3DCOLOR> ReadBackBuffer(IDirect3DDevice9* device, const RECT& area);

// GL calls the device has made since it was created (0 for another implementation).
std::uint64_t GlCallCount(IDirect3DDevice9* device);

// Samples per pixel of the framebuffer the device draws into (0 when not multisampled).
int FramebufferSamples(IDirect3DDevice9* device);

} // namespace d3d9gl
