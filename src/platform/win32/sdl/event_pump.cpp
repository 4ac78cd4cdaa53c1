// SDL events become the platform's window messages and key state: pointer motion and the
// left button are queued with client coordinates, exposure makes a paint due, the close box
// queues WM_CLOSE (which DefWindowProcA turns into DestroyWindow and WM_DESTROY), and keys
// feed GetAsyncKeyState.
#include "event_pump.h"

#include "key_state.h"
#include "message_queue.h"
#include "sdl_keys.h"
#include "window_record.h"

namespace {

LPARAM ClientPoint(Sint32 x, Sint32 y) {
    return MAKELPARAM(x, y);
}

void OnWindowEvent(const SDL_WindowEvent& event) {
    HWND window = win32sdl::WindowOfSdlId(event.windowID);
    if (window == nullptr) {
        return;
    }
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
        win32sdl::WindowRecord(window)->needsPaint = true;
        break;
    case SDL_WINDOWEVENT_CLOSE:
        win32sdl::PostWindowMessage(window, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void OnMouseMotion(const SDL_MouseMotionEvent& event) {
    HWND window = win32sdl::WindowOfSdlId(event.windowID);
    if (window == nullptr || event.which == SDL_TOUCH_MOUSEID) {
        return;
    }
    const WPARAM keys = (event.state & SDL_BUTTON_LMASK) ? MK_LBUTTON : 0;
    win32sdl::PostWindowMessage(window, WM_MOUSEMOVE, keys, ClientPoint(event.x, event.y));
}

void OnMouseButton(const SDL_MouseButtonEvent& event) {
    if (event.button != SDL_BUTTON_LEFT || event.which == SDL_TOUCH_MOUSEID) {
        return;
    }
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    win32::RecordKeyEvent(VK_LBUTTON, down);
    HWND window = win32sdl::WindowOfSdlId(event.windowID);
    if (window == nullptr) {
        return;
    }
    win32sdl::PostWindowMessage(window, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? MK_LBUTTON : 0,
                                ClientPoint(event.x, event.y));
}

void OnEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_WINDOWEVENT:
        OnWindowEvent(event.window);
        break;
    case SDL_MOUSEMOTION:
        OnMouseMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        OnMouseButton(event.button);
        break;
    case SDL_KEYDOWN:
        // The keyboard's auto-repeat is not a new press: a held key is pressed once.
        if (event.key.repeat == 0) {
            win32::RecordKeyEvent(win32sdl::VirtualKeyOf(event.key.keysym.sym), true);
        }
        break;
    case SDL_KEYUP:
        win32::RecordKeyEvent(win32sdl::VirtualKeyOf(event.key.keysym.sym), false);
        break;
    default:
        break;
    }
}

} // namespace

namespace win32 {

void PumpWindowEvents() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        OnEvent(event);
    }
}

} // namespace win32
