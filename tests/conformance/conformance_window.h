// The window the Direct3D device is created for: a hidden one on Windows, a placeholder
// handle for the recording device on Linux. CMake picks the source that fits the build.
#pragma once

#include <windows.h>

HWND CreateDeviceWindow();
void DestroyDeviceWindow(HWND window);
