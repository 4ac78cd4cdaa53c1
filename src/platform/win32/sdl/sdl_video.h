// SDL's video subsystem, started on first need and shared with the other backends.
#pragma once

namespace win32sdl {

// Starts SDL video once (the OpenGL device and the message box may have started it too);
// false when there is no usable display.
bool EnsureSdlVideo();

} // namespace win32sdl
