// ShowCursor keeps the platform's display counter: the cursor shows while it is at least 0.
#include "cursor.h"

#include <windows.h>

#include <SDL.h>

namespace {

int& DisplayCount() {
    static int count = 0;
    return count;
}

} // namespace

namespace win32sdl {

void ApplyCursorVisibility() {
    SDL_ShowCursor(DisplayCount() >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

} // namespace win32sdl

int WINAPI ShowCursor(BOOL show) {
    DisplayCount() += show ? 1 : -1;
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        win32sdl::ApplyCursorVisibility();
    }
    return DisplayCount();
}
