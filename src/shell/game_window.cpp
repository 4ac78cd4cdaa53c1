#include "shell/game_window.h"

#include "shell/window_proc.h"

const char* const kGameWindowClass = "Puffwagon";

HWND CreateGameWindow(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kGameWindowClass;
    RegisterClassExA(&windowClass);
    return CreateWindowA(kGameWindowClass, kGameWindowClass, WS_OVERLAPPEDWINDOW, 100, 100, 1024,
                         768, nullptr, nullptr, instance, nullptr);
}
