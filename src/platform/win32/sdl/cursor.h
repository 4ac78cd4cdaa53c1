// The cursor's visibility, kept by ShowCursor's display counter.
#pragma once

namespace win32sdl {

// Shows or hides SDL's cursor as the counter says; SDL video must be running.
void ApplyCursorVisibility();

} // namespace win32sdl
