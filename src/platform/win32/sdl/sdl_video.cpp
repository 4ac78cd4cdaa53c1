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

#if defined(__SANITIZE_ADDRESS__)
// SDL video opens a D-Bus connection whose buffers libdbus keeps until the process ends;
// the leak checker must not count them against programs that make a window.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
#endif
