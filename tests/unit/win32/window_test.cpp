// Windows: the client size the platform's frame leaves, their life from class to destruction,
// and window events as messages that reach the class procedure in order.
#include "win32_test_support.h"

namespace win32_test {
namespace {

// Style, outer and client size, measured under Wine with CreateWindowA. An overlapped window always
// gets a caption, a captioned one is at least 112 wide, and SDL makes an empty client area 1 high.
TEST(WindowFrameTest, ClientSizesAreWhatThePlatformsFrameLeaves) {
    const long cases[][5] = {{WS_OVERLAPPEDWINDOW, 1024, 768, 1016, 741},
                             {WS_OVERLAPPEDWINDOW, 10, 10, 104, 1},
                             {WS_OVERLAPPED, 640, 480, 634, 455},
                             {WS_THICKFRAME, 640, 480, 632, 453},
                             {WS_POPUP | WS_BORDER, 640, 480, 638, 478},
                             {WS_POPUP, -5, -5, 1, 1},
                             {WS_POPUP, 640, 480, 640, 480}};
    for (const auto& c : cases) {
        HWND window = WindowOfClass("RwTestWindow", RecordingProcedure, c[0], c[1], c[2]);
        int width = 0, height = 0;
        SDL_GetWindowSize(win32sdl::SdlWindowOf(window), &width, &height);
        EXPECT_EQ(std::pair(long(width), long(height)), std::pair(c[3], c[4]))
            << std::hex << c[0] << std::dec << " " << c[1];
        EXPECT_TRUE(DestroyWindow(window));
    }
    EXPECT_FALSE(AdjustWindowRectEx(nullptr, WS_POPUP, FALSE, 0));
}

// Hidden at first; classes register once, unregister without windows; WM_DESTROY comes once.
TEST_F(WindowTest, LivesFromItsClassToItsDestruction) {
    SDL_Window* sdl = win32sdl::SdlWindowOf(window_);
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "RwTestWindow");
    EXPECT_EQ(SDL_GetWindowFlags(sdl) & (SDL_WINDOW_SHOWN | SDL_WINDOW_OPENGL), SDL_WINDOW_OPENGL);
    EXPECT_FALSE(ShowWindow(window_, SW_SHOWDEFAULT));
    EXPECT_TRUE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN);
    EXPECT_TRUE(UpdateWindow(window_) && UpdateWindow(window_)); // one paint due, validated
    EXPECT_TRUE(ShowWindow(window_, SW_HIDE) && !(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN));
    HWND same = WindowOfClass("rwtestWINDOW", DefWindowProcA); // names compare without case
    EXPECT_TRUE(DestroyWindow(same));
    EXPECT_EQ(ReceivedMessages(), (Messages{{window_, WM_PAINT, 0, 0}, {same, WM_DESTROY, 0, 0}}));
    ReceivedMessages().clear();
    EXPECT_EQ(WindowOfClass("RwNoProcedure", nullptr), nullptr);
    EXPECT_FALSE(UnregisterClassA("RwTestWindow", GetModuleHandleA(nullptr))) << "has a window";
    EXPECT_TRUE(DestroyWindow(window_));
    EXPECT_EQ(win32sdl::SdlWindowOf(window_), nullptr);
    EXPECT_FALSE(DestroyWindow(window_) || ShowWindow(window_, SW_SHOW));
    EXPECT_EQ(ReceivedMessages(), (Messages{{window_, WM_DESTROY, 0, 0}}));
    EXPECT_TRUE(UnregisterClassA("RwTestWindow", GetModuleHandleA(nullptr)));
    const int counts[] = {-1, -2, -1, 0}; // the cursor shows while the count is not negative
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ShowCursor(i >= 2), counts[i]);
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), counts[i] < 0 ? SDL_DISABLE : SDL_ENABLE) << i;
    }
}

// Moves waiting together coalesce into the latest; coordinates are signed client pixels
// (outside the client area while the button holds the pointer); the right button is no message.
TEST_F(WindowTest, PointerEventsReachTheProcedureInOrderWithClientCoordinates) {
    Push(SDL_MOUSEMOTION, 1, 1);
    Push(SDL_MOUSEMOTION, 1015, 740);
    Push(SDL_MOUSEBUTTONDOWN, -3, -7);
    Push(SDL_MOUSEMOTION, 30, 40, SDL_BUTTON_LMASK);
    Push(SDL_MOUSEMOTION, 31, 41, SDL_BUTTON_LMASK);
    Push(SDL_MOUSEBUTTONUP, 31, 41);
    Push(SDL_MOUSEBUTTONDOWN, 5, 5, SDL_BUTTON_RIGHT);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE));
    EXPECT_EQ(DispatchAll(), 4);
    EXPECT_EQ(ReceivedMessages(),
              (Messages{{window_, WM_MOUSEMOVE, 0, MAKELPARAM(1015, 740)},
                        {window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, -7)},
                        {window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(31, 41)},
                        {window_, WM_LBUTTONUP, 0, MAKELPARAM(31, 41)}}));
}

// The close box destroys the window through the game's procedure, which posts WM_QUIT; that
// comes with its exit code before other messages.
TEST_F(WindowTest, TheCloseBoxDestroysTheWindowAndTheLoopSeesWmQuit) {
    HWND window = WindowOfClass("RwQuitting", [](HWND w, UINT m, WPARAM wp, LPARAM lp) {
        ReceivedMessages().push_back(Received{w, m, wp, lp});
        return m == WM_DESTROY ? (PostQuitMessage(7), 0) : DefWindowProcA(w, m, wp, lp);
    });
    Push(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE, 0, 0, window);
    Push(SDL_MOUSEMOTION, 1, 1); // another window's, queued after the close
    MSG msg{};                   // the game's loop: one message per pass, until WM_QUIT
    for (int passes = 0; passes < 100 && msg.message != WM_QUIT; ++passes) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) {
            DispatchMessageA(&msg);
        }
    }
    EXPECT_TRUE(msg.message == WM_QUIT && msg.wParam == 7u && msg.hwnd == nullptr);
    EXPECT_EQ(ReceivedMessages(), (Messages{{window, WM_CLOSE, 0, 0}, {window, WM_DESTROY, 0, 0}}));
    EXPECT_EQ(DispatchAll(), 1) << "only the other window's move is left";
}

constexpr SHORT kDown = SHORT(0x8000), kPressed = 1;

// GetAsyncKeyState: 0x8000 while down, 1 once per key for presses since its own last query
// (a repeat is none); polling leaves the pointer messages it met on the queue.
TEST_F(WindowTest, PressBitComesOncePerKeyAndDownBitWhileHeld) {
    Push(SDL_MOUSEMOTION, 4, 5);
    Push(SDL_KEYDOWN, SDLK_w);
    Push(SDL_KEYDOWN, SDLK_g);
    Push(SDL_KEYUP, SDLK_g);
    Push(SDL_KEYDOWN, SDLK_w, 1);
    EXPECT_EQ(GetAsyncKeyState('W'), kDown | kPressed);
    EXPECT_EQ(GetAsyncKeyState('W'), kDown) << "a repeat is no press";
    EXPECT_EQ(GetAsyncKeyState('G'), kPressed) << "querying W did not clear G";
    for (Uint32 type : {SDL_KEYUP, SDL_KEYDOWN, SDL_KEYUP, SDL_KEYDOWN, SDL_KEYUP}) {
        Push(type, SDLK_w);
    }
    EXPECT_EQ(GetAsyncKeyState('W'), kPressed);
    EXPECT_EQ(GetAsyncKeyState('W'), 0);
    EXPECT_EQ(DispatchAll(), 1);
    // The game's other keys, and the left button; a key the game does not use changes nothing.
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_z, 'Z'},      {SDLK_9, '9'},      {SDLK_SPACE, 0x20}, {SDLK_ESCAPE, 0x1B},
        {SDLK_PAUSE, 0x13}, {SDLK_END, 0x23},   {SDLK_F1, 0x70},    {SDLK_LEFT, 0x25},
        {SDLK_DOWN, 0x28},  {SDLK_KP_ENTER, 0}, {0, VK_LBUTTON}};
    for (const auto& [sdlKey, virtualKey] : keys) {
        Push(sdlKey ? SDL_KEYDOWN : SDL_MOUSEBUTTONDOWN, sdlKey);
        for (int key = 0; key < 256; ++key) {
            EXPECT_EQ(GetAsyncKeyState(key), key && key == virtualKey ? kDown | kPressed : 0)
                << key;
        }
        Push(sdlKey ? SDL_KEYUP : SDL_MOUSEBUTTONUP, sdlKey);
    }
    EXPECT_EQ(GetAsyncKeyState(256) | GetAsyncKeyState(-1), 0) << "outside 1..255";
}

} // namespace
} // namespace win32_test
