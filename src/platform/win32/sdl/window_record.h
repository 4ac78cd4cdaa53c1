// What the platform keeps about each window handle.
#pragma once

#include <windows.h>

#include <SDL.h>

#include <string>

struct HWND__ {
    SDL_Window* window;
    WNDPROC procedure;     // the class's procedure; null for a window adopted from SDL
    std::string className; // empty for a window adopted from SDL
    bool ownsWindow;       // made by CreateWindowExA, so DestroyWindow destroys it
    bool needsPaint;       // WM_PAINT is due until the window is validated
    bool destroying;       // WM_DESTROY has been sent
};

namespace win32sdl {

// The record of a live handle, or null for any other value.
HWND__* WindowRecord(HWND handle);
// The handle of the SDL window with that id, or null.
HWND WindowOfSdlId(Uint32 windowId);
// The first window with a paint due, or null.
HWND WindowNeedingPaint();

} // namespace win32sdl
