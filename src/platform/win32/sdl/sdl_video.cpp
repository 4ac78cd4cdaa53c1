#include "sdl_video.h"

#include "cursor.h"

#include <SDL.h>

namespace win32sdl {

bool EnsureSdlVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        return true;
    }
    // Ctrl+C and kill must end the program as they would any other, not become SDL_QUIT.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    ApplyCursorVisibility();
    return true;
}

} // namespace win32sdl
