// Window creation: the client size the platform's frame leaves inside the outer size, the
// frame metrics themselves, and the window's life from class registration to destruction.
#include "win32_test_support.h"

#include <tuple>
#include <utility>

namespace win32_test {
namespace {

struct FrameCase {
    DWORD style;
    RECT insets; // what AdjustWindowRectEx adds on each side of a client rectangle
};

// Measured under Wine with AdjustWindowRectEx.
TEST(AdjustWindowRectExTest, AddsTheFrameAndCaptionOfEachStyle) {
    const FrameCase cases[] = {
        {WS_OVERLAPPEDWINDOW, {4, 23, 4, 4}},
        {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, {3, 22, 3, 3}},
        {WS_CAPTION, {3, 22, 3, 3}},
        {WS_POPUP, {0, 0, 0, 0}},
        {WS_POPUP | WS_BORDER, {1, 1, 1, 1}},
        {WS_POPUP | WS_DLGFRAME, {3, 3, 3, 3}},
        {WS_POPUP | WS_THICKFRAME, {3, 3, 3, 3}},
        {WS_OVERLAPPED, {0, 0, 0, 0}},
    };
    for (const FrameCase& c : cases) {
        RECT rect = {100, 200, 300, 400};
        ASSERT_TRUE(AdjustWindowRectEx(&rect, c.style, FALSE, 0));
        EXPECT_EQ(
            std::make_tuple(100 - rect.left, 200 - rect.top, rect.right - 300, rect.bottom - 400),
            std::make_tuple(c.insets.left, c.insets.top, c.insets.right, c.insets.bottom))
            << std::hex << c.style;
    }
}

struct SizeCase {
    DWORD style;
    int width, height;
    int clientWidth, clientHeight;
};

// Client sizes measured under Wine with CreateWindowA and GetClientRect. An overlapped
// window always gets a caption, a captioned one is at least 112 wide, and SDL makes an
// empty client area 1 pixel high.
TEST(CreateWindowTest, GivesTheClientSizeThePlatformsFrameLeaves) {
    const SizeCase cases[] = {
        {WS_OVERLAPPEDWINDOW, 1024, 768, 1016, 741},
        {WS_OVERLAPPEDWINDOW, 640, 480, 632, 453},
        {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 640, 480, 634, 455},
        {WS_OVERLAPPED, 640, 480, 634, 455},
        {WS_THICKFRAME, 640, 480, 632, 453},
        {WS_POPUP, 640, 480, 640, 480},
        {WS_POPUP | WS_BORDER, 640, 480, 638, 478},
        {WS_OVERLAPPEDWINDOW, 10, 10, 104, 1},
        {WS_POPUP, -5, -5, 1, 1},
    };
    for (const SizeCase& c : cases) {
        HWND window = CreateWindowA(TestClassName(), "size", c.style, 50, 60, c.width, c.height,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(win32sdl::SdlWindowOf(window), &width, &height);
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(c.clientWidth, c.clientHeight))
            << std::hex << c.style << " " << std::dec << c.width;
        EXPECT_TRUE(DestroyWindow(window));
    }
}

TEST_F(WindowTest, IsCreatedHiddenWithItsTitleAndShownOnRequest) {
    SDL_Window* sdl = win32sdl::SdlWindowOf(window_);
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "win32 test");
    EXPECT_FALSE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN);
    EXPECT_TRUE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_OPENGL);
    EXPECT_FALSE(ShowWindow(window_, SW_SHOWDEFAULT));
    EXPECT_TRUE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN);
    EXPECT_TRUE(ShowWindow(window_, SW_HIDE));
    EXPECT_FALSE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN);
}

TEST_F(WindowTest, ClassesRegisterOnceAndUnregisterOnlyWithoutWindows) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RwOtherClass";
    ASSERT_NE(RegisterClassExA(&windowClass), 0);
    EXPECT_EQ(RegisterClassExA(&windowClass), 0) << "registered twice";
    windowClass.lpszClassName = "rwotherCLASS";
    EXPECT_EQ(RegisterClassExA(&windowClass), 0) << "names compare without case";

    WNDCLASSEXA bad = windowClass;
    bad.lpszClassName = "RwBadClass";
    bad.lpfnWndProc = nullptr;
    EXPECT_EQ(RegisterClassExA(&bad), 0) << "no procedure";

    HWND window = CreateWindowA("RwOtherClass", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(UnregisterClassA("RwOtherClass", GetModuleHandleA(nullptr))) << "has a window";
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(UnregisterClassA("RwOtherClass", nullptr)) << "another instance";
    EXPECT_TRUE(UnregisterClassA("RwOtherClass", GetModuleHandleA(nullptr)));
    EXPECT_FALSE(UnregisterClassA("RwOtherClass", GetModuleHandleA(nullptr)));
    EXPECT_EQ(CreateWindowA("RwOtherClass", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr),
              nullptr);
}

TEST_F(WindowTest, DestroyingSendsDestroyOnceAndForgetsTheHandle) {
    EXPECT_TRUE(DestroyWindow(window_));
    EXPECT_EQ(ReceivedMessages(), (std::vector<Received>{{window_, WM_DESTROY, 0, 0}}));
    EXPECT_EQ(win32sdl::SdlWindowOf(window_), nullptr);
    EXPECT_FALSE(DestroyWindow(window_));
    EXPECT_FALSE(ShowWindow(window_, SW_SHOW));
    EXPECT_EQ(ReceivedMessages().size(), 1u);
}

// A procedure that destroys its window again while handling WM_DESTROY.
LRESULT CALLBACK ReentrantProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReceivedMessages().push_back(Received{window, message, wParam, lParam});
    if (message == WM_DESTROY) {
        EXPECT_FALSE(DestroyWindow(window)) << "already being destroyed";
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(WindowTest, DestroyingAgainFromWmDestroyIsRefused) {
    HWND window = WindowOfNewClass("RwReentrantClass", ReentrantProcedure);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(ReceivedMessages(), (std::vector<Received>{{window, WM_DESTROY, 0, 0}}));
    EXPECT_EQ(win32sdl::SdlWindowOf(window), nullptr);
    EXPECT_TRUE(UnregisterClassA("RwReentrantClass", GetModuleHandleA(nullptr)));
}

TEST_F(WindowTest, ShowCursorKeepsADisplayCounterAndShowsTheCursorWhileNotNegative) {
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(ShowCursor(FALSE), -2);
    EXPECT_EQ(ShowCursor(TRUE), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(ShowCursor(TRUE), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

} // namespace
} // namespace win32_test
