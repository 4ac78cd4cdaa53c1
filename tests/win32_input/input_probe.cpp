// A window that reports, one line each on standard output, the messages and key bits it
// sees: the program half of the input test (input_test.sh drives it with xdotool).
//
// win32_input_probe TITLE — its window is titled TITLE; Escape closes it and ends the run.
#include <windows.h>
#include <windowsx.h>

#include <cstdio>

namespace {

LRESULT CALLBACK ProbeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        const char* name = message == WM_MOUSEMOVE     ? "WM_MOUSEMOVE"
                           : message == WM_LBUTTONDOWN ? "WM_LBUTTONDOWN"
                                                       : "WM_LBUTTONUP";
        std::printf("%s %d %d %u\n", name, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam),
                    static_cast<unsigned>(wParam));
        return 0;
    }
    case WM_PAINT:
        std::printf("WM_PAINT\n");
        ValidateRect(window, nullptr);
        return 0;
    case WM_DESTROY:
        std::printf("WM_DESTROY\n");
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

struct PolledKey {
    int code;
    const char* name;
};

// Polls like the game, once a frame; a frame of 100 ms leaves room for a whole tap.
bool PollKeys(HWND window) {
    const PolledKey keys[] = {{'A', "A"},        {'B', "B"},    {VK_SPACE, "SPACE"},
                              {VK_LEFT, "LEFT"}, {VK_F1, "F1"}, {VK_ESCAPE, "ESCAPE"}};
    for (const PolledKey& key : keys) {
        const unsigned bits = static_cast<unsigned short>(GetAsyncKeyState(key.code));
        if (bits != 0) {
            std::printf("key %s %04x\n", key.name, bits);
        }
        if (key.code == VK_ESCAPE && (bits & 1) != 0) {
            DestroyWindow(window);
            return false;
        }
    }
    return true;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = ProbeProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "RwInputProbe";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowA("RwInputProbe", commandLine, WS_OVERLAPPEDWINDOW, 100, 100, 400,
                                300, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "no window\n");
        return 2;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    bool polling = true;
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        QueryPerformanceCounter(&now);
        if (now.QuadPart - start.QuadPart > 30 * frequency.QuadPart) {
            std::fprintf(stderr, "timed out\n");
            return 1;
        }
        if (polling) {
            polling = PollKeys(window);
        }
        Sleep(100);
    }
    UnregisterClassA("RwInputProbe", instance);
    return static_cast<int>(msg.wParam);
}
