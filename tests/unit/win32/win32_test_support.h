// A hidden test window whose class procedure records every message it gets, and SDL events
// pushed as if the window system had sent them.
#pragma once

#include "sdl_window.h"

#include <windows.h>

#include <SDL.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace win32_test {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Received&) const = default;
};
void PrintTo(const Received& received, std::ostream* out);

// Every message the test class's procedure got, in order.
std::vector<Received>& ReceivedMessages();

// The test class, registered once; its procedure records, validates WM_PAINT as the game
// does, and passes everything else to DefWindowProcA.
LPCSTR TestClassName();

// Registers a class of that name with that procedure and makes a popup window of it.
HWND WindowOfNewClass(LPCSTR className, WNDPROC procedure);

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Takes and dispatches every queued message (the game's loop, without frames); returns
    // how many there were (at most 1000, so that a queue that never empties fails the test).
    int DispatchAll();

    Uint32 SdlId() const { return SDL_GetWindowID(win32sdl::SdlWindowOf(window_)); }
    void PushMotion(int x, int y, Uint32 buttons = 0) const;
    void PushButton(bool down, int x, int y, Uint8 button = SDL_BUTTON_LEFT) const;
    void PushWindowEvent(SDL_WindowEventID event) const;
    static void PushKey(SDL_Keycode key, bool down, bool repeat = false);

    HWND window_ = nullptr;
};

} // namespace win32_test
