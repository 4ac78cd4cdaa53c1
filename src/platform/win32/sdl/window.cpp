// Windows on SDL windows. A window is made hidden, with the client size the platform's frame
// would leave inside the outer size asked for; SDL (or the desktop's window manager) adds
// no frame of ours around it. SDL_WINDOW_OPENGL lets the Direct3D device draw into it.
#include "message_queue.h"
#include "sdl_video.h"
#include "sdl_window.h"
#include "window_class.h"
#include "window_frame.h"
#include "window_record.h"

#include <algorithm>

namespace {

int SdlPosition(int position, LONG clientPosition) {
    return position == CW_USEDEFAULT ? static_cast<int>(SDL_WINDOWPOS_UNDEFINED)
                                     : static_cast<int>(clientPosition);
}

} // namespace

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND /*parent*/, HMENU /*menu*/,
                            HINSTANCE /*instance*/, LPVOID /*param*/) {
    const WNDPROC procedure = win32::WindowClassProcedure(className);
    if (procedure == nullptr || !win32sdl::EnsureSdlVideo()) {
        return nullptr;
    }
    const RECT client = win32::ClientRectOfNewWindow(style, exStyle, x, y, width, height);
    // SDL cannot make an empty window; a client area of 0 becomes 1 pixel.
    const int clientWidth = std::max<LONG>(client.right - client.left, 1);
    const int clientHeight = std::max<LONG>(client.bottom - client.top, 1);
    // The device draws straight into a window whose framebuffer has the depth-stencil format it
    // needs (D24S8), and copies from a framebuffer of its own otherwise.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_Window* window =
        SDL_CreateWindow(windowName != nullptr ? windowName : "", SdlPosition(x, client.left),
                         SdlPosition(y, client.top), clientWidth, clientHeight,
                         SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
    if (window == nullptr) {
        return nullptr;
    }
    HWND handle = win32sdl::AdoptSdlWindow(window);
    HWND__* record = win32sdl::WindowRecord(handle);
    record->procedure = procedure;
    record->className = win32::CanonicalClassName(className);
    record->ownsWindow = true;
    if (style & WS_VISIBLE) {
        ShowWindow(handle, SW_SHOW);
    }
    return handle;
}

// Sends WM_DESTROY while the window still exists, then removes it and its queued messages.
BOOL WINAPI DestroyWindow(HWND window) {
    HWND__* record = win32sdl::WindowRecord(window);
    // A window already being destroyed gets no second WM_DESTROY.
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    record->destroying = true;
    SDL_HideWindow(record->window);
    win32sdl::SendWindowMessage(window, WM_DESTROY, 0, 0);
    SDL_Window* sdlWindow = record->ownsWindow ? record->window : nullptr;
    win32sdl::DropWindowMessages(window);
    win32sdl::ForgetSdlWindow(window);
    if (sdlWindow != nullptr) {
        SDL_DestroyWindow(sdlWindow);
    }
    return TRUE;
}

// Returns whether the window was visible before. A window that becomes visible has its
// whole client area to paint.
BOOL WINAPI ShowWindow(HWND window, int command) {
    HWND__* record = win32sdl::WindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = (SDL_GetWindowFlags(record->window) & SDL_WINDOW_SHOWN) ? TRUE : FALSE;
    switch (command) {
    case SW_HIDE:
        SDL_HideWindow(record->window);
        record->needsPaint = false;
        return wasVisible;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        SDL_ShowWindow(record->window);
        SDL_MinimizeWindow(record->window);
        break;
    case SW_SHOWMAXIMIZED:
        SDL_ShowWindow(record->window);
        SDL_MaximizeWindow(record->window);
        break;
    default:
        SDL_ShowWindow(record->window);
        break;
    }
    if (!wasVisible) {
        record->needsPaint = true;
    }
    return wasVisible;
}

// Sends WM_PAINT straight to the window procedure when a paint is due.
BOOL WINAPI UpdateWindow(HWND window) {
    const HWND__* record = win32sdl::WindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    if (record->needsPaint) {
        win32sdl::SendWindowMessage(window, WM_PAINT, 0, 0);
    }
    return TRUE;
}

// The whole client area is painted at once, so any rectangle validates the window.
BOOL WINAPI ValidateRect(HWND window, const RECT* /*rect*/) {
    HWND__* record = win32sdl::WindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    record->needsPaint = false;
    return TRUE;
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_PAINT:
        // Painting nothing still ends the paint, as BeginPaint and EndPaint would.
        ValidateRect(window, nullptr);
        return 0;
    default:
        return 0;
    }
}
