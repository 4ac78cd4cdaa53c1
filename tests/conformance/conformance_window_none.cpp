// The recording device draws nowhere, but like the real one it wants a window handle; it only
// records the handle and never uses it, so any distinct non-null value serves.
#include "conformance_window.h"

HWND CreateDeviceWindow() {
    static char placeholder;
    return reinterpret_cast<HWND>(&placeholder);
}

void DestroyDeviceWindow(HWND) {}
