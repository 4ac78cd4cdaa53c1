// The game's one window: class and title "Puffwagon", 1024 x 768 outside at (100, 100).
#pragma once

#include <windows.h>

extern const char* const kGameWindowClass;

// Registers the window class with WndProc and creates the window, hidden. The result of the
// creation is not tested: a null window goes on to device set-up, which reports it.
HWND CreateGameWindow(HINSTANCE instance);
