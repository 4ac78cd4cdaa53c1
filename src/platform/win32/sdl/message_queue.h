// The thread's message queue: messages made from window events wait here for PeekMessageA.
#pragma once

#include <windows.h>

namespace win32sdl {

// Queues a message for a window. Pointer motion is coalesced as the platform does: a move
// that follows a move still waiting in the queue replaces it.
void PostWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the window's procedure (DefWindowProcA for a window adopted from SDL) at once;
// 0 for a handle that is not a live window.
LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Drops every queued message of a window that is being destroyed.
void DropWindowMessages(HWND window);

} // namespace win32sdl
