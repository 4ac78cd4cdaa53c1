// PeekMessageA and its companions. Retrieval order follows the platform: the quit message
// once it is posted, then queued window messages oldest first, then WM_PAINT for a window
// whose paint is due (it stays due, and is returned again, until the window is validated).
#include "message_queue.h"

#include "event_pump.h"
#include "window_record.h"

#include <deque>

namespace {

struct Queue {
    std::deque<MSG> messages;
    bool quitPosted = false;
    int exitCode = 0;
};

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = SDL_GetTicks();
    return msg;
}

// A null filter takes every window; (HWND)-1 takes only messages of no window.
bool WindowMatches(HWND message, HWND filter) {
    if (filter == nullptr) {
        return true;
    }
    if (filter == reinterpret_cast<HWND>(-1)) {
        return message == nullptr;
    }
    return message == filter;
}

// A range of 0 to 0 takes every message.
bool InRange(UINT message, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

HWND WindowWithPaintDue(HWND filter) {
    if (filter == nullptr) {
        return win32sdl::WindowNeedingPaint();
    }
    const HWND__* record = win32sdl::WindowRecord(filter);
    return record != nullptr && record->needsPaint ? filter : nullptr;
}

} // namespace

namespace win32sdl {

void PostWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::deque<MSG>& messages = TheQueue().messages;
    if (message == WM_MOUSEMOVE && !messages.empty() && messages.back().message == WM_MOUSEMOVE &&
        messages.back().hwnd == window) {
        messages.back() = MakeMessage(window, message, wParam, lParam);
        return;
    }
    messages.push_back(MakeMessage(window, message, wParam, lParam));
}

LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND__* record = WindowRecord(window);
    if (record == nullptr) {
        return 0;
    }
    const WNDPROC procedure = record->procedure != nullptr ? record->procedure : DefWindowProcA;
    return procedure(window, message, wParam, lParam);
}

void DropWindowMessages(HWND window) {
    std::erase_if(TheQueue().messages, [window](const MSG& msg) { return msg.hwnd == window; });
}

} // namespace win32sdl

BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    if (msg == nullptr) {
        return FALSE;
    }
    win32::PumpWindowEvents();
    Queue& queue = TheQueue();
    const bool removing = (remove & PM_REMOVE) != 0;
    if (queue.quitPosted && InRange(WM_QUIT, filterMin, filterMax)) {
        *msg = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(queue.exitCode), 0);
        queue.quitPosted = queue.quitPosted && !removing;
        return TRUE;
    }
    for (auto it = queue.messages.begin(); it != queue.messages.end(); ++it) {
        if (WindowMatches(it->hwnd, window) && InRange(it->message, filterMin, filterMax)) {
            *msg = *it;
            if (removing) {
                queue.messages.erase(it);
            }
            return TRUE;
        }
    }
    if (InRange(WM_PAINT, filterMin, filterMax)) {
        if (HWND paint = WindowWithPaintDue(window)) {
            *msg = MakeMessage(paint, WM_PAINT, 0, 0);
            return TRUE;
        }
    }
    return FALSE;
}

// Keyboard messages are never queued (the game polls the keys), so there is nothing to
// translate into character messages.
BOOL WINAPI TranslateMessage(const MSG* /*msg*/) {
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) {
        return 0;
    }
    return win32sdl::SendWindowMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

VOID WINAPI PostQuitMessage(int exitCode) {
    TheQueue().quitPosted = true;
    TheQueue().exitCode = exitCode;
}
