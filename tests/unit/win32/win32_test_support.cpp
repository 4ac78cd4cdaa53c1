#include "win32_test_support.h"

namespace win32_test {
namespace {

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReceivedMessages().push_back(Received{window, message, wParam, lParam});
    if (message == WM_PAINT) {
        ValidateRect(window, nullptr);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Push(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

} // namespace

void PrintTo(const Received& received, std::ostream* out) {
    *out << "{" << received.window << ", 0x" << std::hex << received.message << ", 0x"
         << received.wParam << ", 0x" << received.lParam << std::dec << "}";
}

std::vector<Received>& ReceivedMessages() {
    static std::vector<Received> received;
    return received;
}

LPCSTR TestClassName() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_CLASSDC;
        windowClass.lpfnWndProc = RecordingProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "RwTestWindow";
        return RegisterClassExA(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return "RwTestWindow";
}

HWND WindowOfNewClass(LPCSTR className, WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    EXPECT_NE(RegisterClassExA(&windowClass), 0);
    return CreateWindowA(className, className, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

void WindowTest::SetUp() {
    window_ = CreateWindowA(TestClassName(), "win32 test", WS_OVERLAPPEDWINDOW, 100, 100, 320, 240,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    // Start from an empty queue, no quit pending and no key presses left over.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
    for (int key = 1; key < 256; ++key) {
        GetAsyncKeyState(key);
    }
    ReceivedMessages().clear();
}

void WindowTest::TearDown() {
    DestroyWindow(window_);
}

int WindowTest::DispatchAll() {
    int count = 0;
    MSG msg;
    while (count < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
        ++count;
    }
    return count;
}

void WindowTest::PushMotion(int x, int y, Uint32 buttons) const {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SdlId();
    event.motion.x = x;
    event.motion.y = y;
    event.motion.state = buttons;
    Push(event);
}

void WindowTest::PushButton(bool down, int x, int y, Uint8 button) const {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = SdlId();
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    Push(event);
}

void WindowTest::PushWindowEvent(SDL_WindowEventID id) const {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SdlId();
    event.window.event = id;
    Push(event);
}

void WindowTest::PushKey(SDL_Keycode key, bool down, bool repeat) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = key;
    Push(event);
}

} // namespace win32_test
