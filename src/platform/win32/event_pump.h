// Turns the window system's pending events into messages and key state.
#pragma once

namespace win32 {

// Does nothing until a window has been created.
void PumpWindowEvents();

} // namespace win32
