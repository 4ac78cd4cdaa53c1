// Window events become messages that reach the class procedure in order, with the
// platform's packing of coordinates and button flags; quitting, closing and painting follow
// the platform's rules.
#include "win32_test_support.h"

#include <windowsx.h>

namespace win32_test {
namespace {

using Messages = std::vector<Received>;

TEST_F(WindowTest, PointerEventsReachTheProcedureInOrderWithClientCoordinates) {
    PushMotion(10, 20);
    PushButton(true, 11, 21);
    PushMotion(30, 40, SDL_BUTTON_LMASK);
    PushButton(false, 31, 41);
    PushButton(true, 5, 5, SDL_BUTTON_RIGHT); // not a message the game takes
    EXPECT_EQ(DispatchAll(), 4);
    EXPECT_EQ(ReceivedMessages(),
              (Messages{{window_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 20)},
                        {window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(11, 21)},
                        {window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 40)},
                        {window_, WM_LBUTTONUP, 0, MAKELPARAM(31, 41)}}));
}

TEST_F(WindowTest, CoordinatesUnpackAsSignedClientPixels) {
    PushMotion(1015, 740);
    PushButton(true, -3, -7); // outside the client area, while the button holds the pointer
    EXPECT_EQ(DispatchAll(), 2);
    ASSERT_EQ(ReceivedMessages().size(), 2u);
    EXPECT_EQ(GET_X_LPARAM(ReceivedMessages()[0].lParam), 1015);
    EXPECT_EQ(GET_Y_LPARAM(ReceivedMessages()[0].lParam), 740);
    EXPECT_EQ(LOWORD(ReceivedMessages()[0].lParam), 1015);
    EXPECT_EQ(HIWORD(ReceivedMessages()[0].lParam), 740);
    EXPECT_EQ(GET_X_LPARAM(ReceivedMessages()[1].lParam), -3);
    EXPECT_EQ(GET_Y_LPARAM(ReceivedMessages()[1].lParam), -7);
}

TEST_F(WindowTest, MovesWaitingTogetherCoalesceIntoTheLatest) {
    PushMotion(1, 1);
    PushMotion(2, 2);
    PushMotion(3, 3);
    PushButton(true, 3, 3);
    PushMotion(4, 4);
    PushMotion(5, 5);
    EXPECT_EQ(DispatchAll(), 3);
    EXPECT_EQ(ReceivedMessages(), (Messages{{window_, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)},
                                            {window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)},
                                            {window_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)}}));
}

TEST_F(WindowTest, PeekWithoutRemovingLeavesTheMessageAndFiltersSelect) {
    PushMotion(7, 8);
    PushButton(true, 7, 8);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_FALSE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE))
        << "no thread messages";
    ASSERT_TRUE(PeekMessageA(&msg, window_, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, window_);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(msg.lParam, MAKELPARAM(7, 8));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(TranslateMessage(&msg));
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
}

TEST_F(WindowTest, PostQuitMessageGivesWmQuitWithTheExitCodeBeforeOtherMessages) {
    PushMotion(1, 2);
    PostQuitMessage(3);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE)) << "quit is taken once";
    EXPECT_EQ(DispatchMessageA(&msg), 0);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

// The game's procedure: WM_DESTROY posts the quit, everything else goes to DefWindowProcA.
LRESULT CALLBACK QuittingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReceivedMessages().push_back(Received{window, message, wParam, lParam});
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(WindowTest, TheCloseBoxDestroysTheWindowAndTheLoopSeesWmQuit) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = QuittingProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RwQuittingClass";
    ASSERT_NE(RegisterClassExA(&windowClass), 0);
    HWND window = CreateWindowA("RwQuittingClass", "closing", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.windowID = SDL_GetWindowID(win32sdl::SdlWindowOf(window));
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    ASSERT_EQ(SDL_PushEvent(&close), 1);
    PushMotion(1, 1); // a message of another window, queued after the close

    // The game's loop: one message per pass, until WM_QUIT.
    MSG msg{};
    int passes = 0;
    int exitCode = -1;
    while (passes++ < 100) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                exitCode = static_cast<int>(msg.wParam);
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(ReceivedMessages(), (Messages{{window, WM_CLOSE, 0, 0}, {window, WM_DESTROY, 0, 0}}));
    EXPECT_EQ(win32sdl::SdlWindowOf(window), nullptr);
    // The quit came before the pointer message still waiting, which is the next one.
    EXPECT_EQ(DispatchAll(), 1);
    EXPECT_EQ(ReceivedMessages().back(), (Received{window_, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)}));
    EXPECT_TRUE(UnregisterClassA("RwQuittingClass", GetModuleHandleA(nullptr)));
}

TEST_F(WindowTest, QueuedMessagesOfADestroyedWindowAreDropped) {
    PushMotion(1, 1);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) << "queued";
    DestroyWindow(window_);
    ReceivedMessages().clear();
    EXPECT_EQ(DispatchAll(), 0);
    EXPECT_TRUE(ReceivedMessages().empty());
}

TEST_F(WindowTest, PaintIsDueWhenShownUntilValidated) {
    MSG msg{};
    EXPECT_TRUE(UpdateWindow(window_));
    EXPECT_TRUE(ReceivedMessages().empty()) << "a hidden window has nothing to paint";
    ShowWindow(window_, SW_SHOWDEFAULT);
    EXPECT_TRUE(UpdateWindow(window_));
    EXPECT_EQ(ReceivedMessages(), (Messages{{window_, WM_PAINT, 0, 0}}));
    EXPECT_TRUE(UpdateWindow(window_));
    EXPECT_EQ(ReceivedMessages().size(), 1u) << "validated by the procedure";

    PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PeekMessageA(&msg, window_, WM_PAINT, WM_PAINT, PM_REMOVE));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT)) << "stays due until validated";
    }
    EXPECT_EQ(DefWindowProcA(window_, WM_PAINT, 0, 0), 0);
    EXPECT_FALSE(PeekMessageA(&msg, window_, WM_PAINT, WM_PAINT, PM_REMOVE));
}

} // namespace
} // namespace win32_test
