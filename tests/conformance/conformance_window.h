// The window the Direct3D device is created for: a hidden one on Windows (never shown), a
// placeholder handle on Linux, where the recording device only records it.
#pragma once

#include <windows.h>

#ifdef _WIN32
#define DestroyDeviceWindow DestroyWindow
inline HWND CreateDeviceWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RailwrightConformance";
    RegisterClassA(&windowClass);
    return CreateWindowA("RailwrightConformance", "D3DX conformance", WS_OVERLAPPEDWINDOW, 0, 0,
                         256, 256, nullptr, nullptr, windowClass.hInstance, nullptr);
}
#else
inline HWND CreateDeviceWindow() {
    static char placeholder;
    return reinterpret_cast<HWND>(&placeholder);
}
inline BOOL DestroyDeviceWindow(HWND) {
    return TRUE;
}
#endif
