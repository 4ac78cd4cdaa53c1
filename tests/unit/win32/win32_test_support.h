// A hidden test window whose class procedure records every message it gets, and SDL events
// pushed as if the window system had sent them.
#pragma once

#include "sdl_window.h"

#include <windows.h>

#include <SDL.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace win32_test {

using Received = std::tuple<HWND, UINT, WPARAM, LPARAM>;
using Messages = std::vector<Received>;
inline Messages& ReceivedMessages() { // every message the test procedures got, in order
    static Messages received;
    return received;
}

// Records, validates WM_PAINT as the game does, and passes everything else on.
inline LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    ReceivedMessages().push_back(Received{window, message, w, l});
    return message == WM_PAINT ? !ValidateRect(window, nullptr)
                               : DefWindowProcA(window, message, w, l);
}

// Registers a class of that name and procedure (if not yet) and makes a window of it.
inline HWND WindowOfClass(LPCSTR name, WNDPROC procedure = RecordingProcedure,
                          DWORD style = WS_POPUP, int width = 10, int height = 10) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
    return CreateWindowA(name, name, style, 50, 60, width, height, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = WindowOfClass("RwTestWindow", RecordingProcedure, WS_OVERLAPPEDWINDOW, 320, 240);
        ASSERT_NE(window_, nullptr);
        DispatchAll(); // start from an empty queue, no quit pending and no presses left over
        for (int key = 1; key < 256; ++key) {
            GetAsyncKeyState(key);
        }
        ReceivedMessages().clear();
    }
    void TearDown() override { DestroyWindow(window_); }

    // Dispatches every queued message; how many (at most 1000: a queue never empty fails).
    static int DispatchAll() {
        int count = 0;
        for (MSG msg; count < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++count) {
            DispatchMessageA(&msg);
        }
        return count;
    }
    // An SDL event for the test window (or `window`): pointer at x, y, or key x, repeat y.
    void Push(Uint32 type, int x = 0, int y = 0, Uint32 state = 0, HWND window = nullptr) const {
        SDL_Event event{type};
        // Every kind of event has its window's id in the same place.
        event.window.windowID = SDL_GetWindowID(win32sdl::SdlWindowOf(window ? window : window_));
        if (type == SDL_MOUSEMOTION) {
            event.motion.x = x, event.motion.y = y, event.motion.state = state;
        } else if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
            event.button.x = x, event.button.y = y,
            event.button.state = type == SDL_MOUSEBUTTONDOWN;
            event.button.button = state ? Uint8(state) : SDL_BUTTON_LEFT;
        } else if (type == SDL_WINDOWEVENT) {
            event.window.event = Uint8(x);
        } else {
            event.key.keysym.sym = x, event.key.repeat = Uint8(y),
            event.key.state = type == SDL_KEYDOWN;
        }
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    HWND window_ = nullptr;
};

} // namespace win32_test
