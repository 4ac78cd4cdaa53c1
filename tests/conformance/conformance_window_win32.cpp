// A hidden window for the real Direct3D device: it is never shown.
#include "conformance_window.h"

HWND CreateDeviceWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RailwrightConformance";
    RegisterClassA(&windowClass);
    return CreateWindowA("RailwrightConformance", "D3DX conformance", WS_OVERLAPPEDWINDOW, 0, 0,
                         256, 256, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void DestroyDeviceWindow(HWND window) {
    if (window) {
        DestroyWindow(window);
    }
}
