// Where the platform puts a window's client area inside the outer rectangle it was given.
#pragma once

#include <windows.h>

namespace win32 {

// The client rectangle, in screen coordinates, of a top-level window created with this
// style at (x, y) with this outer size. Like the platform, an overlapped window always gets
// a caption, a captioned window is never narrower than its minimum tracking width, and the
// client area is never smaller than empty. Negative sizes count as 0.
RECT ClientRectOfNewWindow(DWORD style, DWORD exStyle, int x, int y, int width, int height);

} // namespace win32
