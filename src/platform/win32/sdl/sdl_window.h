// The SDL window behind a window handle, for the platform's own backends (the OpenGL device
// draws into it). Game code never includes this.
#pragma once

#include <windows.h>

struct SDL_Window;

namespace win32sdl {

// Makes a handle for an SDL window; CreateWindowA uses it, and so can tests that make their
// own SDL window.
HWND AdoptSdlWindow(SDL_Window* window);
// Forgets the handle; the SDL window itself is left to its owner.
void ForgetSdlWindow(HWND handle);
// The SDL window of a live handle, or null for any other value.
SDL_Window* SdlWindowOf(HWND handle);

} // namespace win32sdl
