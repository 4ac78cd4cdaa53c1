// OpenGL 3.3 core contexts on SDL windows, and what the driver can do.
#pragma once

#include <SDL.h>

namespace d3d9gl::detail {

// A 3.3 core context on `window`, made current; null when the window is not a GL window
// or the driver gives less than 3.3 core.
SDL_GLContext CreateCoreContext(SDL_Window* window);

struct DriverLimits {
    bool coreContext = false; // a 3.3 core context can be made at all
    int maxSamples = 0;
    int maxTextureSize = 0;
};

// Asks the driver once, through a hidden window of its own; the answer is kept.
const DriverLimits& QueryDriverLimits();

} // namespace d3d9gl::detail
