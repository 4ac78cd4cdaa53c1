// Window events become messages that reach the class procedure in order, with the
// platform's packing of coordinates and button flags; quitting, closing and painting follow
// the platform's rules. GetAsyncKeyState: bit 0x8000 while a key is down, bit 1 once for a
// press since the previous query of that key, for the keys the game polls.
#include "win32_test_support.h"

#include <windowsx.h>

namespace win32_test {
namespace {

using Messages = std::vector<Received>;

// Moves waiting together coalesce into the latest; coordinates are signed client pixels
// (outside the client area while the button holds the pointer); the right button is no
// message the game takes.
TEST_F(WindowTest, PointerEventsReachTheProcedureInOrderWithClientCoordinates) {
    PushMotion(1, 1);
    PushMotion(1015, 740);
    PushButton(true, -3, -7);
    PushMotion(30, 40, SDL_BUTTON_LMASK);
    PushMotion(31, 41, SDL_BUTTON_LMASK);
    PushButton(false, 31, 41);
    PushButton(true, 5, 5, SDL_BUTTON_RIGHT);
    EXPECT_EQ(DispatchAll(), 4);
    EXPECT_EQ(ReceivedMessages(),
              (Messages{{window_, WM_MOUSEMOVE, 0, MAKELPARAM(1015, 740)},
                        {window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, -7)},
                        {window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(31, 41)},
                        {window_, WM_LBUTTONUP, 0, MAKELPARAM(31, 41)}}));
    ASSERT_EQ(ReceivedMessages().size(), 4u);
    EXPECT_EQ(LOWORD(ReceivedMessages()[0].lParam), 1015);
    EXPECT_EQ(HIWORD(ReceivedMessages()[0].lParam), 740);
    EXPECT_EQ(GET_X_LPARAM(ReceivedMessages()[1].lParam), -3);
    EXPECT_EQ(GET_Y_LPARAM(ReceivedMessages()[1].lParam), -7);
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
    // The key table outlives the window: the button is let go for the tests after this one.
    PushButton(false, 7, 8);
}

TEST_F(WindowTest, PostQuitMessageGivesWmQuitWithTheExitCodeBeforeOtherMessages) {
    PushMotion(1, 2);
    PostQuitMessage(3);
    MSG msg{};
    for (UINT remove : {PM_NOREMOVE, PM_REMOVE}) {
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, remove));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    }
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE)) << "quit is taken once";
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
    HWND window = WindowOfNewClass("RwQuittingClass", QuittingProcedure);
    ASSERT_NE(window, nullptr);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.windowID = SDL_GetWindowID(win32sdl::SdlWindowOf(window));
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    ASSERT_EQ(SDL_PushEvent(&close), 1);
    PushMotion(1, 1); // a message of another window, queued after the close

    // The game's loop: one message per pass, until WM_QUIT.
    MSG msg{};
    for (int passes = 0; passes < 100 && msg.message != WM_QUIT; ++passes) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
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

constexpr SHORT kDown = static_cast<SHORT>(0x8000);
constexpr SHORT kPressed = 1;

// The press bit comes once per key since that key's own last query, however many presses;
// auto-repeat is no new press.
TEST_F(WindowTest, PressBitComesOncePerKeyAndDownBitWhileHeld) {
    PushKey(SDLK_w, true);
    PushKey(SDLK_g, true);
    PushKey(SDLK_g, false);
    EXPECT_EQ(GetAsyncKeyState('W'), kDown | kPressed);
    EXPECT_EQ(GetAsyncKeyState('W'), kDown);
    PushKey(SDLK_w, true, true);
    EXPECT_EQ(GetAsyncKeyState('W'), kDown);
    EXPECT_EQ(GetAsyncKeyState('G'), kPressed) << "querying W did not clear G";
    EXPECT_EQ(GetAsyncKeyState('G'), 0);
    PushKey(SDLK_w, false);
    EXPECT_EQ(GetAsyncKeyState('W'), 0);
    for (int i = 0; i < 2; ++i) {
        PushKey(SDLK_w, true);
        PushKey(SDLK_w, false);
    }
    EXPECT_EQ(GetAsyncKeyState('W'), kPressed);
    EXPECT_EQ(GetAsyncKeyState('W'), 0);
}

TEST_F(WindowTest, TheGamesKeysHaveTheirVirtualKeyCodes) {
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_a, 'A'},      {SDLK_m, 'M'},      {SDLK_z, 'Z'},       {SDLK_0, '0'},
        {SDLK_9, '9'},      {SDLK_SPACE, 0x20}, {SDLK_ESCAPE, 0x1B}, {SDLK_PAUSE, 0x13},
        {SDLK_END, 0x23},   {SDLK_F1, 0x70},    {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},
        {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28},
    };
    for (const auto& [sdlKey, virtualKey] : keys) {
        PushKey(sdlKey, true);
        EXPECT_EQ(GetAsyncKeyState(virtualKey), kDown | kPressed) << virtualKey;
        PushKey(sdlKey, false);
        EXPECT_EQ(GetAsyncKeyState(virtualKey), 0) << virtualKey;
    }
    // A key the game does not use changes nothing, and codes outside 1..255 answer 0.
    PushKey(SDLK_KP_ENTER, true);
    for (int key = 1; key < 256; ++key) {
        EXPECT_EQ(GetAsyncKeyState(key), 0) << key;
    }
    PushKey(SDLK_KP_ENTER, false);
    for (int key : {0, -1, 256, 0x10020}) {
        EXPECT_EQ(GetAsyncKeyState(key), 0) << key;
    }
    PushButton(true, 1, 1); // the left button is a key too
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), kDown | kPressed);
    PushButton(false, 1, 1);
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
}

// The game polls keys between message pumps; the poll takes in the events itself and
// leaves the pointer messages it met on the queue, in order.
TEST_F(WindowTest, PollingKeysKeepsTheMessagesItPumps) {
    PushMotion(4, 5);
    PushKey(SDLK_ESCAPE, true);
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), kDown | kPressed);
    PushKey(SDLK_ESCAPE, false);
    EXPECT_EQ(DispatchAll(), 1);
    EXPECT_EQ(ReceivedMessages(),
              (std::vector<Received>{{window_, WM_MOUSEMOVE, 0, MAKELPARAM(4, 5)}}));
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);
}

} // namespace
} // namespace win32_test
