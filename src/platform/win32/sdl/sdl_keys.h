// Which virtual-key code an SDL key is.
#pragma once

#include <SDL.h>

namespace win32sdl {

// The virtual-key code of a key by its meaning in the current layout (as the platform
// names keys), or 0 for a key the game does not use.
int VirtualKeyOf(SDL_Keycode key);

} // namespace win32sdl
